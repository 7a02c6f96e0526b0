#include "Arguments.h"
#include "Commands.h"
#include "OpenSessionFile.h"
#include "Output.h"
#include "PassOptions.h"
#include "ViewsJson.h"
#include "engine/Recalculate.h"

namespace cashvane::cli {

int showViews(const QStringList& words)
{
    const QString command = QStringLiteral("views");
    const ParsedArguments parsed
        = parseArguments(words, { QStringLiteral("--now"), QStringLiteral("--seed") }, 1);
    if (!parsed.arguments) {
        return fail(QStringLiteral(
            "views: %1; usage: views FILE.cfp [--now \"YYYY-MM-DD HH:MM:SS\"] [--seed N]")
                        .arg(parsed.reason));
    }
    const std::optional<CalendarTime> time = nowOption(*parsed.arguments, command);
    if (!time)
        return kFailure;
    const std::optional<std::uint32_t> seed = seedOption(*parsed.arguments, command);
    if (!seed)
        return kFailure;
    const std::optional<Profile> profile = openSessionFile(parsed.arguments->positional[0]);
    if (!profile)
        return kFailure;
    SeededRandom random(*seed);
    return writeOutput(viewsToJson(recalculate(*profile, *time, *time, random)).dump(2) + "\n");
}

} // namespace cashvane::cli
