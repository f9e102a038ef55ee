// The files the program writes for a large aircraft (100 wing panels, 20
// fuselages of 200 sections x 64 outline points, 200 boxes), each checked
// against a fingerprint of the bytes the program wrote before its number
// writing, file writing and mesh building were made faster: every byte must
// stay as it was.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "document/dxf_export.h"
#include "document/project_file.h"
#include "document/vrml_export.h"
#include "support/fake_image_converter.h"
#include "support/large_aircraft.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

// FNV-1a, 64 bits, of the file's bytes.
std::uint64_t fingerprintOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
        hash ^= static_cast<unsigned char>(*it);
        hash *= 0x100000001b3u;
    }
    return hash;
}

struct Expected {
    const char* name;
    std::uintmax_t size;
    std::uint64_t fingerprint;
};

TEST(LargeAircraftOutputs, ProjectDxfAndVrmlKeepEveryByte) {
    Plane plane;
    testing::makeAircraft(plane, true);
    testing::TempDir dir;
    testing::FakeImageConverter converter;
    testing::RecordingProgress progress;
    saveProject(plane, dir.path() / "large.flx", converter);
    exportDXF(plane, ViewKind::VTop, dir.path() / "vtop.dxf");
    exportDXF(plane, ViewKind::Front, dir.path() / "front.dxf");
    exportDXF(plane, ViewKind::Side, dir.path() / "side.dxf");
    exportDXF(plane, ViewKind::HTop, dir.path() / "htop.dxf");
    exportVRML(plane, dir.path() / "large.wrl", converter, progress);

    const Expected expected[] = {
        {"large.flx", 225156, 0xebfa4d365dfd6e3cu},   {"vtop.dxf", 897780, 0x639ee34cbbb7f977u},
        {"front.dxf", 30213052, 0x5d11e7303e287449u}, {"side.dxf", 1465629, 0xff218e021a497374u},
        {"htop.dxf", 1836212, 0x2482477285f8e451u},   {"large.wrl", 21375810, 0x5b79412a794f7e1eu},
    };
    for (const Expected& file : expected) {
        const auto path = dir.path() / file.name;
        EXPECT_EQ(std::filesystem::file_size(path), file.size) << file.name;
        EXPECT_EQ(fingerprintOf(path), file.fingerprint) << file.name;
    }

    // What was saved reads back into the same file.
    Plane readBack;
    newPlane(readBack);
    ASSERT_EQ(readProject(readBack, dir.path() / "large.flx").status, ProjectReadStatus::Read);
    saveProject(readBack, dir.path() / "again.flx", converter);
    EXPECT_EQ(fingerprintOf(dir.path() / "again.flx"), expected[0].fingerprint);
}

}  // namespace
}  // namespace ferlo
