#include "Arguments.h"
#include "Commands.h"
#include "OffscreenApplication.h"
#include "OpenSessionFile.h"
#include "Output.h"
#include "PassOptions.h"
#include "PngWriter.h"
#include "engine/ChartInput.h"
#include "engine/chart/PieChart.h"

#include <optional>

namespace cashvane::cli {

int drawChart(const QStringList& words)
{
    const QString command = QStringLiteral("chart");
    const QString usage = QStringLiteral("usage: chart FILE.cfp -o OUT.png [--seed N]");
    const ParsedArguments parsed = parseArguments(words, {QStringLiteral("-o"), QStringLiteral("--seed")}, 1);
    if (!parsed.arguments)
        return fail(QStringLiteral("chart: %1; %2").arg(parsed.reason, usage));
    const std::optional<QString> out = parsed.arguments->option(QStringLiteral("-o"));
    if (!out)
        return fail(QStringLiteral("chart: no -o OUT.png given; %1").arg(usage));
    const std::optional<std::uint32_t> seed = seedOption(*parsed.arguments, command);
    if (!seed)
        return kFailure;
    const std::optional<Profile> profile = openSessionFile(parsed.arguments->positional[0]);
    if (!profile)
        return kFailure;

    OffscreenApplication application;
    SeededRandom random(*seed);
    const QImage picture = drawExpensesChart(chartSlices(profile->expenses, random));
    const PngWriteResult written = writePng(picture, *out);
    if (!written.ok)
        return fail(written.reason);
    return kSuccess;
}

} // namespace cashvane::cli
