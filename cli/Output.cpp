#include "Output.h"

#include <cstdio>

namespace cashvane::cli {

void writeOutput(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

int fail(const QString& line)
{
    QString single = line;
    single.replace(u'\n', u' ');
    std::fprintf(stderr, "cashvane-cli: %s\n", single.toLocal8Bit().constData());
    return kFailure;
}

} // namespace cashvane::cli
