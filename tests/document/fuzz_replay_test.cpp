// The fuzz targets' seeds and every input that once made a reader fail
// (tests/fuzz/kept), replayed in every run, so a mended fault stays mended;
// the fixtures too, so that read, save and read again is the identity for
// every file the tests hold.
#include <gtest/gtest.h>

#include "fuzz/fuzz_checks.h"
#include "support/fuzz_replay.h"

namespace ferlo {
namespace {

using testing::expectEveryInputPasses;
using testing::filesIn;

TEST(FuzzReplay, ProjectFilesAndFixturesReadSaveAndReadBackAlike) {
    const auto files = filesIn({FERLO_FUZZ_DIR "/corpus/project", FERLO_FUZZ_DIR "/kept/project"});
    ASSERT_FALSE(files.empty());
    expectEveryInputPasses(files, fuzz::checkProjectFile);
    const auto fixtures = filesIn({FERLO_FIXTURES_DIR}, ".flx");
    ASSERT_FALSE(fixtures.empty());
    expectEveryInputPasses(fixtures, fuzz::checkProjectFile);
}

TEST(FuzzReplay, RecordReaders) {
    const auto files = filesIn({FERLO_FUZZ_DIR "/corpus/records", FERLO_FUZZ_DIR "/kept/records"});
    ASSERT_FALSE(files.empty());
    expectEveryInputPasses(files, fuzz::checkRecordReaders);
}

TEST(FuzzReplay, AirfoilFilesAndFixtures) {
    const auto files =
        filesIn({FERLO_FUZZ_DIR "/corpus/airfoil", FERLO_FUZZ_DIR "/kept/airfoil"});
    ASSERT_FALSE(files.empty());
    expectEveryInputPasses(files, fuzz::checkAirfoilFile);
    expectEveryInputPasses(filesIn({FERLO_FIXTURES_DIR}, ".xy"), fuzz::checkAirfoilFile);
}

}  // namespace
}  // namespace ferlo
