#include "RandomSource.h"

#include <cassert>

namespace cashvane {

int SeededRandom::between(int low, int high)
{
    assert(low <= high);
    const std::uint64_t span
        = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1;
    constexpr std::uint64_t kOutputs = std::uint64_t { 1 } << 32;
    // Taking the output modulo the span would favour the low values when 2^32
    // is not a multiple of the span; drawing again above the last whole
    // multiple keeps every value equally likely. For the 168 shades of a colour
    // that rejects 88 of the 2^32 outputs.
    const std::uint64_t limit = kOutputs - kOutputs % span;
    std::uint64_t draw = generator_();
    while (draw >= limit)
        draw = generator_();
    return static_cast<int>(
        static_cast<std::int64_t>(low) + static_cast<std::int64_t>(draw % span));
}

} // namespace cashvane
