#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace ferlo::testing {

// The bytes of the file `name` in the test fixtures folder, unchanged (CR LF
// kept). A fixture that cannot be opened fails the test.
inline std::string fixtureText(const std::string& name) {
    const std::string path = std::string(FERLO_FIXTURES_DIR) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "fixture missing: " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace ferlo::testing
