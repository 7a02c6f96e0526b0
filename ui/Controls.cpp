#include "Controls.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

namespace cashvane {

namespace {

template <typename Widget> Widget* place(Widget* widget, int id, QRect geometry)
{
    widget->setObjectName(controlName(id));
    widget->setGeometry(geometry);
    return widget;
}

// A list keeps its selection while another control has the focus but shows
// it only while it has the focus itself.
void hideSelectionWithoutFocus(QWidget* list)
{
    QPalette palette = list->palette();
    palette.setColor(
        QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
        palette.color(QPalette::Inactive, QPalette::Text));
    list->setPalette(palette);
}

} // namespace

QGroupBox* addGroupBox(QWidget* parent, int id, QRect geometry, const QString& caption)
{
    return place(new QGroupBox(caption, parent), id, geometry);
}

QTabWidget* addTabPanel(QWidget* parent, int id, QRect geometry, const QStringList& pages)
{
    auto* panel = place(new QTabWidget(parent), id, geometry);
    // Every tab stays in view: narrow padding lets six captions share the
    // panel's width, and a font too large even for that shortens them. The
    // style sheet goes on the tab bar alone: on the panel it would pass to
    // every list and button of its pages, and style-sheet styling of those
    // costs start-up time and memory for no visible change.
    panel->setUsesScrollButtons(false);
    panel->setElideMode(Qt::ElideRight);
    panel->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 7px; }"));
    for (const QString& page : pages)
        panel->addTab(new QWidget, page);
    return panel;
}

QWidget* panelPage(QTabWidget* panel, int page)
{
    return panel->widget(page);
}

QLabel* addLabel(QWidget* parent, int id, QRect geometry, const QString& text)
{
    auto* label = place(new QLabel(text, parent), id, geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QLabel* addPicture(QWidget* parent, int id, QRect geometry, const QImage& picture, Border border)
{
    auto* view = place(new QLabel(parent), id, geometry);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (border == Border::Sunken)
        view->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    view->setPixmap(QPixmap::fromImage(picture));
    return view;
}

QTreeWidget* addTree(QWidget* parent, int id, QRect geometry)
{
    auto* tree = place(new QTreeWidget(parent), id, geometry);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(true);
    tree->setColumnCount(1);
    return tree;
}

QTableWidget* addList(QWidget* parent, int id, QRect geometry, const std::vector<Column>& columns,
    Selection selection)
{
    auto* list = place(new QTableWidget(0, static_cast<int>(columns.size()), parent), id, geometry);
    QStringList headings;
    for (const Column& column : columns)
        headings << column.heading;
    list->setHorizontalHeaderLabels(headings);
    for (int c = 0; c < list->columnCount(); ++c)
        list->setColumnWidth(c, columns[static_cast<std::size_t>(c)].width);
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->horizontalHeader()->setHighlightSections(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(selection == Selection::Single ? QAbstractItemView::SingleSelection
                                                          : QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    list->setShowGrid(true);
    hideSelectionWithoutFocus(list);
    return list;
}

QPushButton* addButton(QWidget* parent, int id, QRect geometry, const QString& caption)
{
    return place(new QPushButton(caption, parent), id, geometry);
}

QTextEdit* addReportView(QWidget* parent, int id, QRect geometry)
{
    auto* view = place(new QTextEdit(parent), id, geometry);
    view->setLineWrapMode(QTextEdit::NoWrap);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return view;
}

} // namespace cashvane
