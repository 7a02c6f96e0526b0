#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace cashvane::test {

namespace {

template <typename T>
T next(std::deque<T>& script, const Shown& shown, T whenMissing)
{
    if (script.empty()) {
        ADD_FAILURE() << "unexpected " << shown.kind.toStdString() << " \"" << shown.title.toStdString()
                      << "\": " << shown.text.toStdString();
        return whenMissing;
    }
    T value = script.front();
    script.pop_front();
    return value;
}

} // namespace

ScriptedPrompts& ScriptedPrompts::answer(Answer answer)
{
    answers_.push_back(answer);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::type(const QString& text)
{
    texts_.push_back(text);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::choose(const QString& path)
{
    paths_.push_back(path);
    return *this;
}

Answer ScriptedPrompts::message(Tone, const QString& title, const QString& text, Buttons buttons)
{
    shown.push_back({"message", title, text, {}});
    return next(answers_, shown.back(), buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
}

QString ScriptedPrompts::inputText(const QString& title, const QString& prompt, const QString&)
{
    shown.push_back({"input", title, prompt, {}});
    return next(texts_, shown.back(), QString());
}

QString ScriptedPrompts::openFileName(const QString& title, const QString& initialPath, const QString& filter)
{
    shown.push_back({"open", title, initialPath, filter});
    return next(paths_, shown.back(), QString());
}

QString ScriptedPrompts::saveFileName(const QString& title, const QString& initialPath, const QString& filter)
{
    shown.push_back({"save", title, initialPath, filter});
    return next(paths_, shown.back(), QString());
}

bool ScriptedPrompts::allAnswersUsed() const
{
    return answers_.empty() && texts_.empty() && paths_.empty();
}

} // namespace cashvane::test
