#include <fstream>

#include "fuzz/fuzz_checks.h"
#include "ui_core/preferences_file.h"

namespace ferlo::fuzz {

std::string checkPreferencesFile(const std::string& bytes, const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / "prefs.txt";
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const PreferencesRead read = readPreferencesFile(file);
    const PreferencesValues& values = read.values;
    if (bytes.size() > kMaxPreferencesFileBytes) {
        if (read.unusable.empty()) return "a file larger than preferences can be was used";
        if (!values.demostate.empty() || values.inches || values.millimeters) return "a refused file gave values";
        return "";
    }
    if (!read.unusable.empty()) return "a file within the bound was refused: " + read.unusable;

    // The options read are written and read back alike.
    writePreferencesFile(file, values.inches, values.millimeters);
    const PreferencesRead again = readPreferencesFile(file);
    if (!again.unusable.empty() || again.values.demostate != kDemonstrationDone ||
        again.values.inches != values.inches || again.values.millimeters != values.millimeters) {
        return "the options written read back otherwise";
    }
    return "";
}

}  // namespace ferlo::fuzz
