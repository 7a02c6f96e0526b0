#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

// The JSON value of the command-line tool. Keys keep the order they were
// written in, and numbers with a fraction are single-precision floats: they
// are printed in the shortest form that reads back as the same float, and read
// with a correctly rounded decimal-to-float conversion, so an amount makes the
// round trip through JSON bit for bit.
namespace cashvane::cli {

using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, float>;

} // namespace cashvane::cli
