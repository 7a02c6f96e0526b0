#pragma once

#include <cstdint>
#include <random>

// Where the engine's random numbers come from. The engine asks for numbers
// only through this interface, so a caller decides whether they vary between
// runs or repeat from a seed.
namespace cashvane {

class RandomSource {
public:
    virtual ~RandomSource() = default;

    // REQUIRES: low <= high. A whole number from low to high, both included,
    // every value equally likely.
    virtual int between(int low, int high) = 0;
};

// Numbers that repeat from a seed on every machine. The standard fixes the
// output of std::mt19937 but not how its distributions map it onto a range,
// so the draw onto the range is done here.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed)
        : generator_(seed)
    {
    }

    int between(int low, int high) override;

private:
    std::mt19937 generator_;
};

} // namespace cashvane
