#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <set>

// The words after a command: positional arguments in order, and options that
// each take one value ("--now", "2010-08-11 09:00:00").
namespace cashvane::cli {

struct Arguments {
    QStringList positional;
    std::map<QString, QString> options;

    std::optional<QString> option(const QString& name) const;
};

struct ParsedArguments {
    std::optional<Arguments> arguments;
    QString reason; // what is wrong with the words otherwise
};

ParsedArguments parseArguments(const QStringList& words, const std::set<QString>& optionNames,
                               int positionalCount);

} // namespace cashvane::cli
