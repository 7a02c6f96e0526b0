#pragma once

#include <QString>

// Every question the program puts to the user goes through this interface:
// message boxes, the input box and the file dialogs. The window implements it
// with Qt's dialogs; tests implement it with scripted answers, so every
// command can be run without a person.
namespace cashvane {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// How a message box looks; it does not change what it asks.
enum class Tone { Information, Question, Error };

class Prompts {
public:
    virtual ~Prompts() = default;

    virtual Answer message(Tone tone, const QString& title, const QString& text, Buttons buttons) = 0;

    // The text typed; empty when the box is left with Escape.
    virtual QString inputText(const QString& title, const QString& prompt, const QString& initial) = 0;

    // A filter is "Description | *.ext". The initial path's folder is where
    // the dialog starts and its last part the file name filled in (none when
    // it is a pattern). Each returns the chosen path, or empty when cancelled.
    virtual QString openFileName(const QString& title, const QString& initialPath, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& initialPath, const QString& filter) = 0;
};

} // namespace cashvane
