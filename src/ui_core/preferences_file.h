#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace ferlo {

// The preferences file ("prefs.txt"): three lines, each one value in the
// project file's value form, CR LF: the first-use demonstration state (a
// string), whether the inches option is selected, whether the millimetres
// option is (Booleans).
struct PreferencesValues {
    std::string demostate;  // "DoIt" asks for the demonstration
    bool inches = false;
    bool millimeters = false;
};

// The file's name in the configuration folder.
inline constexpr const char* kPreferencesFileName = "prefs.txt";

// The state the program always writes: the demonstration has been offered.
inline constexpr const char* kDemonstrationDone = "Done";

// The largest file read as preferences. The program writes 26 bytes (three
// values, the longest "#FALSE#"); the rest is room for a file edited by
// hand. A larger file is not read at all, so no file costs more than this.
inline constexpr std::size_t kMaxPreferencesFileBytes = 256;

// What reading the file gave: its values, and why the file could not be used
// at all ("" when it was read or is missing). Such a file (one that cannot be
// opened or read, is no regular file, or is larger than
// kMaxPreferencesFileBytes) gives the values of a missing file.
struct PreferencesRead {
    PreferencesValues values;
    std::string unusable;
};

// Reads the file value by value: a value that is missing (a missing or short
// file) or cannot be read is empty, "" or false, and the next one is read all
// the same. Never throws; nothing waits on a FIFO.
PreferencesRead readPreferencesFile(const std::filesystem::path& path);

// Writes "Done" and the two options, the file replaced only when complete:
// a failure throws WriteError and leaves the previous file as it was.
void writePreferencesFile(const std::filesystem::path& path, bool inches, bool millimeters);

}  // namespace ferlo
