#include "Output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace cashvane::cli {

int writeOutput(std::string_view text)
{
    const bool whole = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (std::fflush(stdout) != 0 || !whole)
        return fail(QStringLiteral("cannot write to standard output: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return kSuccess;
}

int fail(const QString& line)
{
    QString single = line;
    single.replace(u'\n', u' ');
    std::fprintf(stderr, "cashvane-cli: %s\n", single.toLocal8Bit().constData());
    return kFailure;
}

} // namespace cashvane::cli
