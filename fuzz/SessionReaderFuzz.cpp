#include "model/SessionReader.h"
#include "model/SessionWriter.h"

#include <cstdint>
#include <cstdlib>

// Feeds arbitrary bytes to the session reader. Besides crashes and undefined
// behaviour it checks that whatever the reader accepts survives a save and a
// second read unchanged, and that a refusal always says why.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const cashvane::SessionReadResult read = cashvane::readSession(bytes);
    if (!read.profile) {
        if (read.reason.isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray written = cashvane::writeSession(*read.profile);
    const cashvane::SessionReadResult again = cashvane::readSession(written);
    if (!again.profile || !(*again.profile == *read.profile))
        std::abort();
    if (cashvane::writeSession(*again.profile) != written)
        std::abort();
    return 0;
}
