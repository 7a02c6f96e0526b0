#include "Commands.h"
#include "Output.h"

#include <QString>

#include <map>

namespace {

constexpr std::string_view kUsage =
    "Usage: cashvane-cli COMMAND ...\n"
    "\n"
    "  export FILE.cfp                      the profile as JSON on standard output\n"
    "  import PROFILE.json OUT.cfp          write a session file from profile JSON\n"
    "  views FILE.cfp [--now T] [--seed N]  everything the recalculation shows, as JSON\n"
    "  report FILE.cfp -o OUT.rtf [--now T] the quick report as an RTF file\n"
    "  chart FILE.cfp -o OUT.png [--seed N] the 300 x 220 expenses chart as PNG\n"
    "\n"
    "A FILE is read as Open Session reads it and OUT.cfp written as Save Session\n"
    "writes it; \".cfp\" is added to a name that does not end in it. Exit status 0\n"
    "on success, 2 with one line on standard error otherwise.\n";

using Command = int (*)(const QStringList& words);

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("export"), cashvane::cli::exportProfile},
        {QStringLiteral("import"), cashvane::cli::importProfile},
        {QStringLiteral("views"), cashvane::cli::showViews},
        {QStringLiteral("report"), cashvane::cli::writeReport},
        {QStringLiteral("chart"), cashvane::cli::drawChart},
    };
    return table;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.push_back(QString::fromLocal8Bit(argv[i]));

    if (words.isEmpty())
        return cashvane::cli::fail(QStringLiteral("no command given; see cashvane-cli --help"));
    if (words[0] == u"--help" || words[0] == u"-h" || words[0] == u"help") {
        return cashvane::cli::writeOutput(kUsage);
    }
    const auto command = commands().find(words[0]);
    if (command == commands().end())
        return cashvane::cli::fail(QStringLiteral("unknown command \"%1\"; see cashvane-cli --help").arg(words[0]));
    return command->second(words.mid(1));
}
