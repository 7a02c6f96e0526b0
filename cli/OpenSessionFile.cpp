#include "OpenSessionFile.h"

#include "Output.h"
#include "model/SessionFile.h"

#include <QFileInfo>

namespace cashvane::cli {

std::optional<Profile> openSessionFile(const QString& given)
{
    const QString path = sessionFilePath(given, {});
    if (!QFileInfo::exists(path)) {
        fail(QStringLiteral("the session file \"%1\" does not exist").arg(path));
        return std::nullopt;
    }
    Profile profile;
    const SessionResult result = loadSession(profile, path);
    if (!result.ok) {
        fail(result.message());
        return std::nullopt;
    }
    return profile;
}

} // namespace cashvane::cli
