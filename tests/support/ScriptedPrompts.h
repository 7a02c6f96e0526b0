#pragma once

#include "ui/Prompts.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

// A person who answers the program's questions from a script, and remembers
// what was put to them. A question the script has no answer for fails the
// test and is answered as if cancelled.
namespace cashvane::test {

struct Shown {
    QString kind; // "message", "input", "open" or "save"
    QString title;
    QString text; // the message, the prompt, or the initial path
    QString extra; // the filter of a file dialog
};

class ScriptedPrompts : public Prompts {
public:
    ScriptedPrompts& answer(Answer answer);
    ScriptedPrompts& type(const QString& text);
    ScriptedPrompts& choose(const QString& path);

    Answer message(Tone tone, const QString& title, const QString& text, Buttons buttons) override;
    QString inputText(const QString& title, const QString& prompt, const QString& initial) override;
    QString openFileName(const QString& title, const QString& initialPath, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& initialPath, const QString& filter) override;

    std::vector<Shown> shown;
    bool allAnswersUsed() const;

private:
    std::deque<Answer> answers_;
    std::deque<QString> texts_;
    std::deque<QString> paths_;
};

} // namespace cashvane::test
