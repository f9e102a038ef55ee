#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace ferlo::testing {

// The lines as the program writes them: each one ended by CR LF.
inline std::string crlfLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace ferlo::testing
