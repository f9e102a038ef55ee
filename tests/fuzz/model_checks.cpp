#include <fstream>
#include <functional>
#include <sstream>
#include <string_view>
#include <vector>

#include "base/file_errors.h"
#include "document/airfoil_import.h"
#include "document/object_list_records.h"
#include "document/plane_operations.h"
#include "document/project_file.h"
#include "document/project_generations.h"
#include "fuzz/fuzz_checks.h"
#include "support/fake_image_converter.h"

namespace ferlo::fuzz {

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Plane defaultPlane() {
    Plane plane;
    newPlane(plane);
    return plane;
}

// The project text of `plane` saved as `file`, or the reason it could not be.
// No texture image exists here: the copies fail, which a save reports and
// goes on.
struct Saved {
    std::string text;
    std::string failure;
};
Saved save(const Plane& plane, const fs::path& file) {
    testing::FakeImageConverter converter;
    try {
        saveProject(plane, file, converter);
    } catch (const std::exception& error) {
        return {{}, std::string("the aircraft read cannot be saved: ") + error.what()};
    }
    return {readFile(file), {}};
}

// Whatever a reader leaves can be saved, and the saved file reads back to
// the same aircraft. Both saves have the same file name (in folders of their
// own), as a texture name that is the project file's own gets a number.
std::string checkRoundTrip(const Plane& plane, const fs::path& folder) {
    fs::create_directories(folder / "first");
    fs::create_directories(folder / "second");
    const Saved first = save(plane, folder / "first" / "plane.flx");
    if (!first.failure.empty()) return first.failure;
    Plane reread = defaultPlane();
    const ProjectReadResult result = readProject(reread, folder / "first" / "plane.flx");
    if (result.status != ProjectReadStatus::Read) return "the saved file does not read back: " + result.message;
    const Saved second = save(reread, folder / "second" / "plane.flx");
    if (!second.failure.empty()) return second.failure;
    if (second.text != first.text) return "read, save and read again changed the aircraft";
    return {};
}

struct RecordReader {
    bool allOrNone;  // a failure leaves the part as it was
    std::function<void(Plane&, ValueReader&)> read;
};

const std::vector<RecordReader>& recordReaders() {
    static const std::vector<RecordReader> readers{
        {true, [](Plane& p, ValueReader& in) { p.stab.read(in); }},
        {true, [](Plane& p, ValueReader& in) { p.stab.readV101(in); }},
        {true, [](Plane& p, ValueReader& in) { p.stab.readV0212(in); }},
        {true, [](Plane& p, ValueReader& in) { p.mainWing.wing(1).read_airfoil(in); }},
        {true, [](Plane& p, ValueReader& in) { p.fin.read(in); }},
        {true, [](Plane& p, ValueReader& in) { p.fin.readV101(in); }},
        {true, [](Plane& p, ValueReader& in) { p.fin.readV030(in); }},
        {true, [](Plane& p, ValueReader& in) { p.fin.readV0212(in); }},
        {true, [](Plane& p, ValueReader& in) { p.fuselages.fuselage(1).read(in); }},
        {true, [](Plane& p, ValueReader& in) { p.fuselages.fuselage(1).readV120(in); }},
        {true, [](Plane& p, ValueReader& in) { p.fuselages.fuselage(1).readV101(in); }},
        {true, [](Plane& p, ValueReader& in) { p.fuselages.fuselage(1).readV030(in); }},
        {true, [](Plane& p, ValueReader& in) { p.fuselages.fuselage(1).readV0212(in); }},
        {true, [](Plane& p, ValueReader& in) { p.fuselages.fuselage(1).readV026(in); }},
        {true, [](Plane& p, ValueReader& in) { p.equipment.box(1).read(in); }},
        {false, [](Plane& p, ValueReader& in) { p.mainWing.readWings(in, p.defaultColor); }},
        {false, [](Plane& p, ValueReader& in) { p.mainWing.readWingsV120(in, p.defaultColor); }},
        {false, [](Plane& p, ValueReader& in) { p.mainWing.readWingsV101(in, p.defaultColor); }},
        {false, [](Plane& p, ValueReader& in) { p.mainWing.readWingsV0212(in, p.defaultColor); }},
        {false, [](Plane& p, ValueReader& in) { p.mainWing.readWingsAirfoil(in); }},
        {false, [](Plane& p, ValueReader& in) { p.fuselages.readFuselages(in, p.defaultColor); }},
        {false, [](Plane& p, ValueReader& in) { p.fuselages.readFuselagesV120(in, p.defaultColor); }},
        {false, [](Plane& p, ValueReader& in) { p.fuselages.readFuselagesV101(in, p.defaultColor); }},
        {false, [](Plane& p, ValueReader& in) { p.fuselages.readFuselagesV030(in, p.defaultColor); }},
        {false, [](Plane& p, ValueReader& in) { p.fuselages.readFuselageV0212(in); }},
        {false, [](Plane& p, ValueReader& in) { p.fuselages.readFuselageV026(in); }},
        {false, [](Plane& p, ValueReader& in) { p.equipment.readEquipment(in); }},
        {false, [](Plane& p, ValueReader& in) { readObjectList(p.fuselages, in); }},
        {false, [](Plane& p, ValueReader& in) { readUnitsFlag(p, in); }},
    };
    return readers;
}

}  // namespace

std::string checkProjectFile(const std::string& bytes, const fs::path& folder) {
    const fs::path file = folder / "input.flx";
    writeFile(file, bytes);
    Plane plane = defaultPlane();
    readProject(plane, file);  // a damaged file keeps what was read before the bad value
    return checkRoundTrip(plane, folder);
}

std::string checkRecordReaders(const std::string& bytes, const fs::path& folder) {
    if (bytes.empty()) return {};
    const RecordReader& reader = recordReaders()[static_cast<unsigned char>(bytes[0]) % recordReaders().size()];
    std::istringstream text(bytes.substr(1));
    ValueReader in(text, "records.flx");
    Plane plane = defaultPlane();
    const Saved before = save(plane, folder / "before.flx");
    try {
        reader.read(plane, in);
    } catch (const ReadError&) {
        if (reader.allOrNone && save(plane, folder / "after.flx").text != before.text) {
            return "a record that failed changed its part";
        }
    }
    return checkRoundTrip(plane, folder);
}

std::string checkAirfoilFile(const std::string& bytes, const fs::path& folder) {
    const fs::path file = folder / "input.xy";
    writeFile(file, bytes);
    Plane plane = defaultPlane();
    const Saved before = save(plane, folder / "before.flx");
    try {
        loadAirfoil(plane, file.string());
    } catch (const ReadError&) {
        if (save(plane, folder / "after.flx").text != before.text) return "a refused airfoil changed the aircraft";
        return {};
    }
    return checkRoundTrip(plane, folder);
}

}  // namespace ferlo::fuzz
