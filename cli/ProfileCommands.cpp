#include "Arguments.h"
#include "Commands.h"
#include "OpenSessionFile.h"
#include "Output.h"
#include "ProfileJson.h"
#include "model/SessionFile.h"
#include "model/WholeFile.h"

#include <QFile>

namespace cashvane::cli {

namespace {

// A full profile is well under a megabyte as JSON; the limit keeps a huge
// file or an endless device from exhausting memory.
constexpr qint64 kMaxJsonBytes = 16 * 1024 * 1024;

std::optional<Json> readJsonFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = readAtMost(file, kMaxJsonBytes);
    if (file.error() != QFileDevice::NoError) {
        fail(QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    if (!bytes) {
        fail(QStringLiteral("\"%1\" is far larger than any profile").arg(path));
        return std::nullopt;
    }
    try {
        return Json::parse(bytes->begin(), bytes->end());
    } catch (const Json::exception& error) {
        // Drop the library's "[json.exception.parse_error.101] " tag.
        QString what = QString::fromStdString(error.what());
        what.remove(0, what.indexOf(u']') + 1);
        fail(QStringLiteral("\"%1\" cannot be read as JSON:%2").arg(path, what));
        return std::nullopt;
    }
}

} // namespace

int exportProfile(const QStringList& words)
{
    const ParsedArguments parsed = parseArguments(words, {}, 1);
    if (!parsed.arguments)
        return fail(QStringLiteral("export: %1; usage: export FILE.cfp").arg(parsed.reason));
    const std::optional<Profile> profile = openSessionFile(parsed.arguments->positional[0]);
    if (!profile)
        return kFailure;
    return writeOutput(profileToJson(*profile).dump(2) + "\n");
}

int importProfile(const QStringList& words)
{
    const ParsedArguments parsed = parseArguments(words, {}, 2);
    if (!parsed.arguments)
        return fail(QStringLiteral("import: %1; usage: import PROFILE.json OUT.cfp").arg(parsed.reason));
    const QString& jsonPath = parsed.arguments->positional[0];
    const std::optional<Json> json = readJsonFile(jsonPath);
    if (!json)
        return kFailure;
    ProfileFromJson read = profileFromJson(*json);
    if (!read.profile)
        return fail(QStringLiteral("\"%1\" is not a profile: %2").arg(jsonPath, read.reason));
    const SessionResult saved = saveSession(*read.profile, parsed.arguments->positional[1]);
    if (!saved.ok)
        return fail(saved.message());
    return kSuccess;
}

} // namespace cashvane::cli
