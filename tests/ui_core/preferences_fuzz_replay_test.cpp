// The preferences reader's fuzz seeds and every input that once failed it
// (tests/fuzz/kept/preferences), replayed in every run.
#include <gtest/gtest.h>

#include "fuzz/fuzz_checks.h"
#include "support/fuzz_replay.h"

namespace ferlo {
namespace {

TEST(FuzzReplay, PreferencesFiles) {
    const auto files =
        testing::filesIn({FERLO_FUZZ_DIR "/corpus/preferences", FERLO_FUZZ_DIR "/kept/preferences"});
    ASSERT_FALSE(files.empty());
    testing::expectEveryInputPasses(files, fuzz::checkPreferencesFile);
}

}  // namespace
}  // namespace ferlo
