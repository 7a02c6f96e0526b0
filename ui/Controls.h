#pragma once

#include "ui/dialogs/DialogControls.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QTreeWidget;
class QWidget;

// Makes the kinds of control the main window is built from, each placed at a
// fixed position in its parent and named "control-<id>" so the dispatch and
// the tests can find it. What the controls show is filled in elsewhere.
namespace cashvane {

struct Column {
    QString heading;
    int width = 0;
};

enum class Selection { Single, Multiple };
enum class Border { None, Sunken };

// A frame with a caption; the controls drawn over it are its siblings.
QGroupBox* addGroupBox(QWidget* parent, int id, QRect geometry, const QString& caption);

QTabWidget* addTabPanel(QWidget* parent, int id, QRect geometry, const QStringList& pages);

// The page widget of a tab panel, on which that page's controls are placed.
QWidget* panelPage(QTabWidget* panel, int page);

// One line of centred text in a sunken border.
QLabel* addLabel(QWidget* parent, int id, QRect geometry, const QString& text);

// A picture drawn from its top-left corner.
QLabel* addPicture(QWidget* parent, int id, QRect geometry, const QImage& picture, Border border);

QTreeWidget* addTree(QWidget* parent, int id, QRect geometry);

// A list in report layout: headings, whole-row selection, grid lines. The
// selection stays in force but is not highlighted while the list has no focus.
QTableWidget* addList(QWidget* parent, int id, QRect geometry, const std::vector<Column>& columns,
    Selection selection);

QPushButton* addButton(QWidget* parent, int id, QRect geometry, const QString& caption);

// The quick report: editable rich text that scrolls both ways.
QTextEdit* addReportView(QWidget* parent, int id, QRect geometry);

} // namespace cashvane
