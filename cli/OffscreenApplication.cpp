#include "OffscreenApplication.h"

#include <QFile>

namespace cashvane::cli {

OffscreenApplication::OffscreenApplication()
    : runtimeFolder_(giveRuntimeFolder())
    , application_(argumentCount_, arguments_)
{
}

std::optional<QTemporaryDir> OffscreenApplication::giveRuntimeFolder()
{
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return std::nullopt;
    std::optional<QTemporaryDir> folder;
    folder.emplace();
    if (folder->isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
    return folder;
}

} // namespace cashvane::cli
