#include "editor/preferences_file.h"

#include <fstream>

#include "base/atomic_file.h"
#include "base/file_errors.h"
#include "base/line_writer.h"
#include "base/value_reader.h"
#include "base/value_writer.h"

namespace ferlo {

namespace {

// One value read, or its empty value when it cannot be: the reader has then
// moved past its line all the same (or reached the end of the file).
template <typename Value, typename Read>
Value valueOrEmpty(Read read) {
    try {
        return read();
    } catch (const ReadError&) {
        return Value{};
    }
}

}  // namespace

PreferencesValues readPreferencesFile(const std::filesystem::path& path) {
    PreferencesValues values;
    std::ifstream file(path, std::ios::binary);
    if (!file) return values;
    ValueReader in(file, path.string());
    values.demostate = valueOrEmpty<std::string>([&] { return in.readString(); });
    values.inches = valueOrEmpty<bool>([&] { return in.readBool(); });
    values.millimeters = valueOrEmpty<bool>([&] { return in.readBool(); });
    return values;
}

void writePreferencesFile(const std::filesystem::path& path, bool inches, bool millimeters) {
    AtomicFile file(path);
    LineWriter lines(file.stream(), path.string());
    ValueWriter out(lines);
    out.string(kDemonstrationDone);
    out.boolean(inches);
    out.boolean(millimeters);
    file.commit();
}

}  // namespace ferlo
