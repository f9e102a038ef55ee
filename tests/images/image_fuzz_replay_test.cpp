// The image loader's fuzz seeds and every image that once failed it
// (tests/fuzz/kept/image), replayed in every run.
#include <gtest/gtest.h>

#include "fuzz/fuzz_checks.h"
#include "support/fuzz_replay.h"

namespace ferlo {
namespace {

TEST(FuzzReplay, ImageFiles) {
    const auto files = testing::filesIn({FERLO_FUZZ_DIR "/corpus/image", FERLO_FUZZ_DIR "/kept/image"});
    ASSERT_FALSE(files.empty());
    testing::expectEveryInputPasses(files, fuzz::checkImageFile);
}

}  // namespace
}  // namespace ferlo
