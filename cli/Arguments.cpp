#include "Arguments.h"

namespace cashvane::cli {

std::optional<QString> Arguments::option(const QString& name) const
{
    const auto found = options.find(name);
    if (found == options.end())
        return std::nullopt;
    return found->second;
}

ParsedArguments parseArguments(const QStringList& words, const std::set<QString>& optionNames,
                               int positionalCount)
{
    Arguments arguments;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (!word.startsWith(u'-') || word == u"-") {
            arguments.positional.push_back(word);
            continue;
        }
        if (!optionNames.contains(word))
            return {std::nullopt, QStringLiteral("unknown option %1").arg(word)};
        if (i + 1 >= words.size())
            return {std::nullopt, QStringLiteral("%1 needs a value").arg(word)};
        arguments.options[word] = words[++i];
    }
    if (arguments.positional.size() != positionalCount) {
        return {std::nullopt, QStringLiteral("expected %1 file names, got %2")
                                  .arg(positionalCount)
                                  .arg(arguments.positional.size())};
    }
    return {std::move(arguments), {}};
}

} // namespace cashvane::cli
