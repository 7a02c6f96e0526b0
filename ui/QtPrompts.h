#pragma once

#include "Prompts.h"

#include <QPointer>
#include <QWidget>

// The program's questions as Qt's own message boxes, input box and file
// dialogs, each modal over the main window.
namespace cashvane {

// "Description | *.ext" as Qt writes a filter: "Description (*.ext)".
QString qtFileFilter(const QString& filter);

// Where a file dialog starts: the initial path, or only its folder when its
// last part is a pattern such as "*.cfp".
QString dialogStartPath(const QString& initialPath);

class QtPrompts final : public Prompts {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(Tone tone, const QString& title, const QString& text, Buttons buttons) override;
    QString inputText(const QString& title, const QString& prompt, const QString& initial) override;
    QString openFileName(
        const QString& title, const QString& initialPath, const QString& filter) override;
    QString saveFileName(
        const QString& title, const QString& initialPath, const QString& filter) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace cashvane
