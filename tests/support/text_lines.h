#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

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

// The lines of a text the program wrote, without their CR LF endings; an
// unended last line is left out.
inline std::vector<std::string> splitCrlfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace ferlo::testing
