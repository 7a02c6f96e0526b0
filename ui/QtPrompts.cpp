#include "QtPrompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace cashvane {

namespace {

QMessageBox::Icon iconOf(Tone tone)
{
    switch (tone) {
    case Tone::Information:
        break;
    case Tone::Question:
        return QMessageBox::Question;
    case Tone::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons buttonsOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        break;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// Closing a box by its frame or Escape counts as its most cautious answer.
Answer answerOf(int button, Buttons buttons)
{
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        break;
    }
    if (buttons == Buttons::YesNo)
        return Answer::No;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

} // namespace

QString qtFileFilter(const QString& filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter.trimmed();
    return QStringLiteral("%1 (%2)").arg(filter.left(bar).trimmed(), filter.mid(bar + 1).trimmed());
}

QString dialogStartPath(const QString& initialPath)
{
    const QFileInfo info(initialPath);
    if (info.fileName().contains(QLatin1Char('*')) || info.fileName().contains(QLatin1Char('?')))
        return info.path();
    return initialPath;
}

Answer QtPrompts::message(Tone tone, const QString& title, const QString& text, Buttons buttons)
{
    QMessageBox box(iconOf(tone), title, text, buttonsOf(buttons), parent_);
    return answerOf(box.exec(), buttons);
}

QString QtPrompts::inputText(const QString& title, const QString& prompt, const QString& initial)
{
    bool accepted = false;
    const QString text
        = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, initial, &accepted);
    return accepted ? text : QString();
}

QString QtPrompts::openFileName(
    const QString& title, const QString& initialPath, const QString& filter)
{
    return QFileDialog::getOpenFileName(
        parent_, title, dialogStartPath(initialPath), qtFileFilter(filter));
}

// The program asks its own questions about replacing a file, if any.
QString QtPrompts::saveFileName(
    const QString& title, const QString& initialPath, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent_, title, dialogStartPath(initialPath),
        qtFileFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite);
}

} // namespace cashvane
