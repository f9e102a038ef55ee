#pragma once

#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>

namespace ferlo::testing {

// Switches the C and the C++ global locale to `name` for the lifetime of the
// object and restores both afterwards. `active()` is false when this machine
// lacks the locale; nothing is changed then.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name) : previousC_(std::setlocale(LC_ALL, nullptr)) {
        try {
            std::locale::global(std::locale(name));
        } catch (const std::runtime_error&) {
            return;
        }
        std::setlocale(LC_ALL, name);
        active_ = true;
    }
    ~ScopedLocale() {
        if (!active_) return;
        std::locale::global(previousCpp_);
        std::setlocale(LC_ALL, previousC_.c_str());
    }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    bool active() const { return active_; }

private:
    std::string previousC_;
    std::locale previousCpp_;
    bool active_ = false;
};

}  // namespace ferlo::testing
