#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each case of a table-driven test after its `name` field, so a failure
// reads "Cases/LargeFirst" rather than "Cases/0".
namespace cashvane::test {

struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& tested) const
    {
        return tested.param.name;
    }
};

} // namespace cashvane::test
