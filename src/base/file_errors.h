#pragma once

#include <stdexcept>
#include <string>

namespace ferlo {

// A file that could not be written completely. The message names the file.
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value or a file that could not be read; carries the file and the line.
class ReadError : public std::runtime_error {
public:
    ReadError(std::string file, int line, const std::string& what)
        : std::runtime_error(describe(file, line, what)), file_(std::move(file)), line_(line), reason_(what) {}

    const std::string& file() const { return file_; }
    int line() const { return line_; }  // 1-based; 0 when no line applies
    const std::string& reason() const { return reason_; }  // what went wrong, without file and line

private:
    static std::string describe(const std::string& file, int line, const std::string& what) {
        std::string text = file.empty() ? std::string("input") : file;
        if (line > 0) text += ", line " + std::to_string(line);
        return text + ": " + what;
    }

    std::string file_;
    int line_;
    std::string reason_;
};

}  // namespace ferlo
