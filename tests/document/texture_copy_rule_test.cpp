// The texture copies of projects and worlds that share a folder: no save or
// export replaces a copy that another file there refers to, and writing a
// file again replaces its own earlier copies.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/project_file.h"
#include "document/vrml_export.h"
#include "support/default_aircraft.h"
#include "support/fake_image_converter.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "support/watched_fifo.h"

namespace ferlo {
namespace {

namespace fs = std::filesystem;
using testing::FakeImageConverter;
using testing::TempDir;

// The last `count` lines of a file: a project's texture names.
std::vector<std::string> lastLines(const fs::path& file, std::size_t count) {
    const std::vector<std::string> lines = testing::splitCrlfLines(TempDir::read(file));
    return {lines.end() - static_cast<std::ptrdiff_t>(count), lines.end()};
}

// The urls of a world, in order.
std::vector<std::string> worldUrls(const fs::path& world) {
    std::vector<std::string> urls;
    for (const std::string& line : testing::splitCrlfLines(TempDir::read(world))) {
        if (line.starts_with("            url ")) urls.push_back(line.substr(16));
    }
    return urls;
}

// The default aircraft whose wing panel and fin carry the images "wood.jpg"
// and "skin.bmp" of a folder of images; the fake converter leaves "bmp copy"
// or "jpeg copy" in every copy it writes.
struct SharedFolder {
    TempDir images;
    TempDir folder;
    FakeImageConverter converter;
    testing::RecordingProgress progress;
    Plane plane = testing::newDefaultPlane();
    fs::path project = folder.path() / "plane.flx";
    fs::path world = folder.path() / "plane.wrl";

    SharedFolder() {
        const std::string wood = images.write("wood.jpg", "wood"), skin = images.write("skin.bmp", "skin");
        converter.addImage(wood, 16, 8);
        converter.addImage(skin, 16, 8);
        plane.mainWing.wing(1).setTexture(wood);
        plane.fin.setTexture(skin);
    }
    // The project's names of the panel, the stabiliser, the fuselage and the fin.
    std::vector<std::string> projectNames() const { return lastLines(project, 4); }
    std::string copy(const std::string& name) const { return TempDir::read(folder.path() / name); }
};

TEST(TextureCopyRule, AWorldExportedBesideAProjectKeepsTheProjectsCopies) {
    SharedFolder f;
    saveProject(f.plane, f.project, f.converter);
    ASSERT_EQ(f.projectNames(), (std::vector<std::string>{"\"wood.jpg\"", "\"\"", "\"\"", "\"skin.bmp\""}));

    exportVRML(f.plane, f.world, f.converter, f.progress);

    // The world's turned JPEG of the panel goes beside the project's bitmap
    // copy, which keeps its picture.
    const std::vector<std::string> urls = worldUrls(f.world);
    ASSERT_EQ(urls.size(), 7u);
    EXPECT_EQ(urls[0], "\"wood_2.jpg\"");
    EXPECT_EQ(urls[5], "\"skin.jpg\"");
    EXPECT_EQ(f.copy("wood.jpg"), "bmp copy");
    EXPECT_EQ(f.copy("wood_2.jpg"), "jpeg copy");
    Plane reopened = testing::newDefaultPlane();
    ASSERT_EQ(readProject(reopened, f.project).status, ProjectReadStatus::Read);
    EXPECT_EQ(TempDir::read(reopened.mainWing.wing(1).texture_filename()), "bmp copy");
}

TEST(TextureCopyRule, AProjectSavedBesideAWorldKeepsTheWorldsCopies) {
    SharedFolder f;
    exportVRML(f.plane, f.world, f.converter, f.progress);
    ASSERT_EQ(f.copy("wood.jpg"), "jpeg copy");

    saveProject(f.plane, f.project, f.converter);

    EXPECT_EQ(f.projectNames(), (std::vector<std::string>{"\"wood_2.jpg\"", "\"\"", "\"\"", "\"skin.bmp\""}));
    EXPECT_EQ(f.copy("wood.jpg"), "jpeg copy");
    EXPECT_EQ(f.copy("wood_2.jpg"), "bmp copy");
}

// Written again to the same place, a project or a world replaces the copies
// its earlier version refers to, under the same names.
TEST(TextureCopyRule, WritingAFileAgainReplacesItsOwnCopies) {
    SharedFolder f;
    saveProject(f.plane, f.project, f.converter);
    exportVRML(f.plane, f.world, f.converter, f.progress);
    f.converter.saves.clear();

    saveProject(f.plane, f.project, f.converter);
    exportVRML(f.plane, f.world, f.converter, f.progress);

    EXPECT_EQ(f.projectNames(), (std::vector<std::string>{"\"wood.jpg\"", "\"\"", "\"\"", "\"skin.bmp\""}));
    EXPECT_EQ(worldUrls(f.world)[0], "\"wood_2.jpg\"");
    ASSERT_EQ(f.converter.saves.size(), 4u);
    EXPECT_EQ(f.converter.saves[0].path, (f.folder.path() / "wood.jpg").string());
    EXPECT_EQ(f.converter.saves[2].path, (f.folder.path() / "wood_2.jpg").string());
    EXPECT_FALSE(fs::exists(f.folder.path() / "wood_3.jpg"));
    EXPECT_EQ(f.copy("wood.jpg"), "bmp copy");
}

// A copy that another project in the folder refers to as well (a project
// opened from the folder and saved there under another name shares the
// images lying there) is not replaced when the first project is saved again
// with another image of that name; the file that was written does not keep
// another's copy either.
TEST(TextureCopyRule, ACopyAnotherFileRefersToIsNeverReplaced) {
    SharedFolder f;
    saveProject(f.plane, f.project, f.converter);
    Plane opened = testing::newDefaultPlane();
    ASSERT_EQ(readProject(opened, f.project).status, ProjectReadStatus::Read);
    saveProject(opened, f.folder.path() / "copy.flx", f.converter);
    ASSERT_EQ(lastLines(f.folder.path() / "copy.flx", 4)[0], "\"wood.jpg\"");

    fs::create_directories(f.images.path() / "other");
    const std::string other = f.images.write("other/wood.jpg", "other wood");
    f.converter.addImage(other, 8, 8);
    f.plane.mainWing.wing(1).setTexture(other);
    f.converter.saves.clear();
    saveProject(f.plane, f.project, f.converter);

    // Both copies are shared, so both are numbered, the fin's too.
    EXPECT_EQ(f.projectNames(), (std::vector<std::string>{"\"wood_2.jpg\"", "\"\"", "\"\"", "\"skin_2.bmp\""}));
    EXPECT_EQ(f.copy("wood.jpg"), "bmp copy");
    ASSERT_EQ(f.converter.saves.size(), 2u);
    EXPECT_EQ(f.converter.saves[0].path, (f.folder.path() / "wood_2.jpg").string());
}

// Any other file lying in the folder under a copy's name stays: the copy is
// numbered.
TEST(TextureCopyRule, AFileNoPartOrCopyOwnsIsNotReplacedEither) {
    SharedFolder f;
    f.folder.write("wood.jpg", "a picture of the user's");
    saveProject(f.plane, f.project, f.converter);
    EXPECT_EQ(f.projectNames()[0], "\"wood_2.jpg\"");
    EXPECT_EQ(f.copy("wood.jpg"), "a picture of the user's");
}

// A FIFO where a save would read (the earlier version of the file it
// replaces) or where a killed save's temporary could lie is never opened, so
// no save or export waits on it; the FIFO the user saves over is replaced.
TEST(TextureCopyRule, NoSaveOrExportWaitsOnAFifo) {
    SharedFolder f;
    const testing::WatchedFifo project(f.project), world(f.world);
    const testing::WatchedFifo temporary(f.folder.path() / ".plane.flx.aB3xY9.tmp");
    const testing::WatchedFifo marked(f.folder.path() / ".plane.flx.ferlo-save-aB3xY9.tmp");

    saveProject(f.plane, f.project, f.converter);
    exportVRML(f.plane, f.world, f.converter, f.progress);

    EXPECT_EQ(f.projectNames(), (std::vector<std::string>{"\"wood.jpg\"", "\"\"", "\"\"", "\"skin.bmp\""}));
    EXPECT_EQ(worldUrls(f.world)[0], "\"wood_2.jpg\"");
    for (const testing::WatchedFifo* fifo : {&project, &world, &temporary, &marked}) {
        EXPECT_EQ(fifo->readersSeen(), 0) << fifo->path();
    }
    EXPECT_EQ(fs::symlink_status(temporary.path()).type(), fs::file_type::fifo);
    EXPECT_EQ(fs::symlink_status(marked.path()).type(), fs::file_type::fifo);
}

}  // namespace
}  // namespace ferlo
