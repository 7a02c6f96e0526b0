#include "engine/report/RtfReader.h"
#include "engine/report/RtfWriter.h"

#include <cstdint>
#include <cstdlib>

// Feeds arbitrary bytes to the RTF reader. Besides crashes, hangs and
// undefined behaviour it checks that what the writer makes of the reader's
// text reads back the same once the writer has dropped what it never writes
// (control characters), so no text can break the structure of a written file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const cashvane::RichText once = cashvane::readRtf(cashvane::writeRtf(cashvane::readRtf(bytes)));
    const cashvane::RichText twice = cashvane::readRtf(cashvane::writeRtf(once));
    if (!(once == twice))
        std::abort();
    return 0;
}
