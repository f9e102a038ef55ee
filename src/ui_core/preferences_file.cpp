#include "ui_core/preferences_file.h"

#include <sstream>
#include <string>
#include <system_error>

#include "base/atomic_file.h"
#include "base/file_errors.h"
#include "base/input_file.h"
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

PreferencesRead readPreferencesFile(const std::filesystem::path& path) {
    std::string text(kMaxPreferencesFileBytes + 1, '\0');
    try {
        InputFile file(path);
        file.stream().read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(file.stream().gcount()));
    } catch (const ReadError& error) {
        std::error_code ignored;
        if (!std::filesystem::exists(path, ignored)) return {};  // no preferences yet
        return {{}, error.what()};
    }
    if (text.size() > kMaxPreferencesFileBytes) {
        return {{}, path.string() + ": the file is larger than preferences can be (" +
                        std::to_string(kMaxPreferencesFileBytes) + " bytes)"};
    }
    std::istringstream in(text);
    ValueReader values(in, path.string());
    PreferencesRead read;
    read.values.demostate = valueOrEmpty<std::string>([&] { return values.readString(); });
    read.values.inches = valueOrEmpty<bool>([&] { return values.readBool(); });
    read.values.millimeters = valueOrEmpty<bool>([&] { return values.readBool(); });
    return read;
}

void writePreferencesFile(const std::filesystem::path& path, bool inches, bool millimeters) {
    AtomicFile file(path, LinkAtTarget::Replace);
    LineWriter lines(file.stream(), path.string());
    ValueWriter out(lines);
    out.string(kDemonstrationDone);
    out.boolean(inches);
    out.boolean(millimeters);
    file.commit();
}

}  // namespace ferlo
