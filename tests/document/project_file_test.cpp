#include "document/project_file.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "support/fake_image_converter.h"
#include "support/fixture_text.h"
#include "support/project_text.h"
#include "support/scoped_locale.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"

namespace ferlo {
namespace {

namespace fs = std::filesystem;
using testing::FakeImageConverter;
using testing::projectText;
using testing::TempDir;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

int countLines(const std::vector<std::string>& lines, const std::string& text) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

Plane defaultPlane() {
    Plane plane;
    newPlane(plane);
    return plane;
}

// Reads `path` onto a new default aircraft, as the Open command does.
Plane readOntoDefault(const fs::path& path, ProjectReadResult* result = nullptr) {
    Plane plane = defaultPlane();
    const ProjectReadResult read = readProject(plane, path);
    if (result) *result = read;
    return plane;
}

TEST(ProjectFile, TheDefaultAircraftIsSavedAndReadBackEqual) {
    TempDir dir;
    FakeImageConverter converter;
    const auto path = dir.path() / "plane.flx";
    const ProjectSaveResult saved = saveProject(defaultPlane(), path, converter);
    EXPECT_TRUE(saved.textureCopyErrors.empty());

    const std::string text = TempDir::read(path);
    const auto lines = linesOf(text);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines.front(), "# FERLO File Format V 2.2.1");
    EXPECT_EQ(text.substr(0, lines.front().size() + 2), lines.front() + "\r\n");
    // One panel, the stabiliser, one fuselage and the fin, none textured.
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()), std::vector<std::string>(4, "\"\""));
    EXPECT_EQ(countLines(lines, "Airfoil"), 1);

    ProjectReadResult result;
    const Plane read = readOntoDefault(path, &result);
    EXPECT_EQ(result.status, ProjectReadStatus::Read) << result.message;
    EXPECT_EQ(result.projectDir, dir.path());
    EXPECT_EQ(projectText(read), text);
}

// Three panels (the second with an airfoil of its own), two fuselages with
// the second hidden, values that are not whole numbers, inches, a twin fin.
Plane variedPlane() {
    Plane plane = defaultPlane();
    for (int i = 0; i < 2; ++i) {
        ++plane.mainWing.nbWings;
        plane.mainWing.addWing(plane.defaultColor);
    }
    plane.mainWing.wing(1).span = 612.375;
    plane.mainWing.wing(2).colorSet({12.5, 0, 255});
    std::istringstream airfoil("Airfoil\r\n5\r\n1\r\n0\r\n.5\r\n.0625\r\n0\r\n0\r\n.5\r\n-.0375\r\n1\r\n0\r\n");
    ValueReader airfoilIn(airfoil, "airfoil");
    plane.mainWing.wing(2).read_airfoil(airfoilIn);
    plane.stab.elevation2 = -3.25e-5;
    plane.fuselages.addFuselage(false, plane.units, plane.defaultColor);
    plane.fuselages.fuselage(2).elevation_offset = 7.75;
    plane.fuselages.setShown(2, false);
    plane.fin.offset1 = 31.5;
    plane.fin.colorSet({1, 2, 3});
    plane.equipment.addBox(plane.units);
    plane.equipment.box(2).weight = 0.1;
    plane.units = LengthUnit::Inches;
    return plane;
}

TEST(ProjectFile, AVariedAircraftIsReadBackEqualInEveryLocale) {
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        testing::ScopedLocale scoped(locale);
        if (!scoped.active()) continue;
        SCOPED_TRACE(locale);
        TempDir dir;
        FakeImageConverter converter;
        const auto path = dir.path() / "plane.flx";
        saveProject(variedPlane(), path, converter);
        const std::string text = TempDir::read(path);
        const auto lines = linesOf(text);
        EXPECT_EQ(countLines(lines, "Airfoil"), 3);
        EXPECT_EQ(countLines(lines, "\"\""), 3 + 1 + 2 + 1);
        EXPECT_EQ(countLines(lines, "612.375"), 1);
        EXPECT_EQ(text.find(','), std::string::npos);

        ProjectReadResult result;
        const Plane read = readOntoDefault(path, &result);
        EXPECT_EQ(result.status, ProjectReadStatus::Read) << result.message;
        EXPECT_EQ(read.units, LengthUnit::Inches);
        EXPECT_FALSE(read.fuselages.shown(2));
        EXPECT_EQ(read.fuselages.fuselage(2).elevation_offset, 7.75);
        EXPECT_EQ(read.mainWing.wing(2).nb, 5);
        EXPECT_EQ(read.mainWing.wing(1).span, 612.375);
        EXPECT_EQ(projectText(read), text);
    }
}

TEST(ProjectFile, TexturesAreCopiedBesideTheProjectAndFoundWhereverTheFolderGoes) {
    TempDir dir;
    const fs::path images = dir.path() / "images";
    const fs::path project = dir.path() / "D";
    fs::create_directories(images);
    fs::create_directories(project);
    FakeImageConverter converter;
    converter.addImage((images / "wood.jpg").string(), 30, 20);

    Plane plane = defaultPlane();
    plane.fin.setTexture((images / "wood.jpg").string());
    const ProjectSaveResult saved = saveProject(plane, project / "plane.flx", converter);
    EXPECT_TRUE(saved.textureCopyErrors.empty());
    ASSERT_EQ(converter.saves.size(), 1u);
    EXPECT_EQ(converter.saves[0].kind, "bmp");
    EXPECT_EQ(converter.saves[0].path, (project / "wood.jpg").string());
    EXPECT_EQ(linesOf(TempDir::read(project / "plane.flx")).back(), "\"wood.jpg\"");

    const fs::path moved = dir.path() / "E";
    fs::copy(project, moved);
    const Plane read = readOntoDefault(moved / "plane.flx");
    EXPECT_EQ(read.fin.texture_filename(), (moved / "wood.jpg").string());
    EXPECT_EQ(read.fin.qualified_texture_filename(), "wood.jpg");
    EXPECT_FALSE(read.fin.texture_loaded);
    EXPECT_TRUE(read.stab.texture_filename().empty());
    EXPECT_TRUE(read.stab.qualified_texture_filename().empty());
}

TEST(ProjectFile, ACopyNeverReplacesAnotherPartsImageAndAMissingImageDoesNotStopTheSave) {
    TempDir dir;
    const fs::path project = dir.path() / "D";
    const fs::path other = dir.path() / "other";
    fs::create_directories(project);
    fs::create_directories(other);
    // The stabiliser's image already lies in the project folder; the fin's
    // image of the same name lies elsewhere.
    const std::string stabImage = dir.write("D/wood.jpg", "stabiliser image");
    FakeImageConverter converter;
    converter.addImage(stabImage, 8, 8);
    converter.addImage((other / "wood.jpg").string(), 8, 8);

    Plane plane = defaultPlane();
    plane.stab.setTexture(stabImage);
    plane.fin.setTexture((other / "wood.jpg").string());
    plane.fuselages.fuselage(1).setTexture((other / "gone.jpg").string());

    const ProjectSaveResult saved = saveProject(plane, project / "plane.flx", converter);
    ASSERT_EQ(saved.textureCopyErrors.size(), 1u);
    EXPECT_NE(saved.textureCopyErrors[0].find("gone.jpg"), std::string::npos);
    EXPECT_EQ(TempDir::read(stabImage), "stabiliser image");
    const auto lines = linesOf(TempDir::read(project / "plane.flx"));
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"\"wood.jpg\"", "\"gone.jpg\"", "\"wood_2.jpg\""}));
    EXPECT_TRUE(fs::exists(project / "wood_2.jpg"));
}

// A project saved under the name of a part's image title keeps its own file:
// the copy is numbered, and the file stores that name.
TEST(ProjectFile, ACopyNamedLikeTheProjectFileIsRenamed) {
    TempDir dir;
    fs::create_directories(dir.path() / "images");
    const std::string image = dir.write("images/wood.bmp", "image");
    FakeImageConverter converter;
    converter.addImage(image, 8, 8);
    Plane plane = defaultPlane();
    plane.fin.setTexture(image);

    const fs::path project = dir.path() / "wood.bmp";
    saveProject(plane, project, converter);

    const auto lines = linesOf(TempDir::read(project));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "# FERLO File Format V 2.2.1");
    EXPECT_EQ(lines.back(), "\"wood_2.bmp\"");
    ASSERT_EQ(converter.saves.size(), 1u);
    EXPECT_EQ(converter.saves[0].path, (dir.path() / "wood_2.bmp").string());
}

// A project in the other unit than the one the program works in: after it is
// read, a catalogue model gives the current box its sizes in the project's
// unit, and the next save writes them so.
TEST(ProjectFile, CatalogueSizesFollowTheUnitOfTheProjectRead) {
    for (const LengthUnit fileUnit : {LengthUnit::Inches, LengthUnit::Millimeters}) {
        const LengthUnit workingUnit =
            fileUnit == LengthUnit::Inches ? LengthUnit::Millimeters : LengthUnit::Inches;
        TempDir dir;
        FakeImageConverter converter;
        Plane written;
        written.units = fileUnit;
        newPlane(written);
        saveProject(written, dir.path() / "plane.flx", converter);

        Plane plane;
        plane.units = workingUnit;
        newPlane(plane);
        ASSERT_EQ(readProject(plane, dir.path() / "plane.flx").status, ProjectReadStatus::Read);
        ASSERT_EQ(plane.units, fileUnit);
        plane.equipment.current().box = ElectroBox::kServo;
        ASSERT_TRUE(plane.equipment.applyModel(1, plane.units));  // "HS60": 26 mm long, 13 wide, 24 high
        const double inFileUnit = fileUnit == LengthUnit::Inches ? toInches(26) : 26;
        EXPECT_EQ(plane.equipment.current().length, inFileUnit);
        EXPECT_EQ(plane.equipment.current().weight, 14);
    }
}

TEST(ProjectFile, AFailedSaveLeavesThePreviousFileAndIsReported) {
    TempDir dir;
    FakeImageConverter converter;
    const std::string path = dir.write("plane.flx", "the previous design");
    Plane plane = defaultPlane();
    // A name the file cannot hold fails the last block.
    plane.fin.setTexture("/images/a\nb.jpg");
    EXPECT_THROW(saveProject(plane, path, converter), WriteError);
    EXPECT_EQ(TempDir::read(path), "the previous design");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"plane.flx"});
    EXPECT_TRUE(converter.saves.empty());

    EXPECT_THROW(saveProject(defaultPlane(), dir.path() / "missing" / "plane.flx", converter), WriteError);
}

TEST(ProjectFile, AVersion01FileIsRefusedAndNothingIsRead) {
    TempDir dir;
    const std::string path =
        dir.write("old.flx", testing::crlfLines({"# FERLO File Format V0.1.4", "2", "Wing Type", "16", "999"}));
    ProjectReadResult result;
    const Plane read = readOntoDefault(path, &result);
    EXPECT_EQ(result.status, ProjectReadStatus::Refused);
    EXPECT_EQ(result.message, "The flx file version 0.1.x is not any more supported");
    EXPECT_FALSE(result.error);
    EXPECT_EQ(projectText(read), projectText(defaultPlane()));
}

// How far a damaged copy of project_current.flx is read: the blocks in file order.
enum Block { kNone, kWings, kStab, kFuselages, kFin, kBoxes, kUnits, kObjectList, kAirfoils, kTextures };

struct DamagedCase {
    const char* name;
    int keptLines;          // the file cut after this many lines; 0 keeps all
    int badLine;            // this line replaced by text that is no value; 0 none
    const char* header;     // replaces the header line when not null
    int errorLine;
    Block lastBlockRead;
};

TEST(ProjectFile, ADamagedFileKeepsWhatWasReadAndReportsWhereReadingStopped) {
    const DamagedCase cases[] = {
        {"empty", -1, 0, nullptr, 1, kNone},
        {"header only", 1, 0, nullptr, 2, kNone},
        {"not a project file", 0, 0, "Some other file", 1, kNone},
        {"cut after the wing panels", 32, 0, nullptr, 33, kWings},
        {"cut inside the first fuselage", 70, 0, nullptr, 71, kStab},
        {"bad fin span", 0, 117, nullptr, 117, kFuselages},
        {"cut after the units flag", 151, 0, nullptr, 152, kUnits},
        {"more fuselage manager rows than fuselages", 0, 153, nullptr, 158, kUnits},
        {"last texture name missing", 230, 0, nullptr, 231, kAirfoils},
    };
    const auto fixture = linesOf(testing::fixtureText("project_current.flx"));
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines = fixture;
        if (c.keptLines != 0) lines.resize(static_cast<std::size_t>(std::max(c.keptLines, 0)));
        if (c.header) lines[0] = c.header;
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            // The fuselage manager case claims three rows for two fuselages.
            const bool bad = static_cast<int>(i) + 1 == c.badLine;
            text += (bad ? (c.badLine == 153 ? std::string("3") : std::string("abc")) : lines[i]) + "\r\n";
        }
        TempDir dir;
        const std::string path = dir.write("damaged.flx", text);
        ProjectReadResult result;
        const Plane read = readOntoDefault(path, &result);

        EXPECT_EQ(result.status, ProjectReadStatus::Failed);
        ASSERT_TRUE(result.error);
        EXPECT_EQ(result.error->file(), path);
        EXPECT_EQ(result.error->line(), c.errorLine);
        EXPECT_EQ(result.message, result.error->what());

        const Plane defaults = defaultPlane();
        const bool wings = c.lastBlockRead >= kWings, stab = c.lastBlockRead >= kStab;
        EXPECT_EQ(read.mainWing.nbWings, wings ? 2 : 1);
        EXPECT_EQ(read.mainWing.wing(1).span, wings ? 600 : 700);
        EXPECT_EQ(read.stab.pos1, stab ? 640 : 650);
        EXPECT_EQ(read.fuselages.nbFuselages(), c.lastBlockRead >= kFuselages ? 2 : 1);
        EXPECT_EQ(read.fin.span, c.lastBlockRead >= kFin ? 140 : 150);
        EXPECT_EQ(read.equipment.nbBoxes, c.lastBlockRead >= kBoxes ? 2 : 1);
        EXPECT_EQ(read.units, c.lastBlockRead >= kUnits ? LengthUnit::Inches : LengthUnit::Millimeters);
        EXPECT_EQ(read.mainWing.wing(1).airfoilPointGet(5).z,
                  c.lastBlockRead >= kAirfoils ? 0.06 : defaults.mainWing.wing(1).airfoilPointGet(5).z);
        if (c.lastBlockRead == kNone) {
            EXPECT_EQ(projectText(read), projectText(defaults));
        }
    }
}

// The current project fixture (231 lines) with line `number` replaced.
std::string fixtureWithLine(std::size_t number, const std::string& replacement) {
    std::vector<std::string> lines = linesOf(testing::fixtureText("project_current.flx"));
    EXPECT_EQ(lines.size(), 231u);
    lines.at(number - 1) = replacement;
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A texture name with a carriage return inside could never be written back:
// reading stops there, and the aircraft read so far can still be saved.
TEST(ProjectFile, ANameThatCannotBeWrittenBackIsAReadError) {
    TempDir dir;
    const std::string path = dir.write("plane.flx", fixtureWithLine(231, "\"wo\rod.jpg\""));  // the fin's texture name
    ProjectReadResult result;
    const Plane read = readOntoDefault(path, &result);
    EXPECT_EQ(result.status, ProjectReadStatus::Failed);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->line(), 231);
    EXPECT_EQ(read.fin.qualified_texture_filename(), "");
    FakeImageConverter converter;
    EXPECT_NO_THROW(saveProject(read, dir.path() / "saved.flx", converter));
}

// A damaged file with one huge line (the fin's span) stops at that line with
// a message of a few words: a long line is refused at the line bound, and a
// shorter one is quoted by its excerpt.
TEST(ProjectFile, ALongLineStopsTheReadingWithAShortMessage) {
    for (const std::string& bad : {std::string(1 << 20, '7'), std::string(3000, 'x')}) {
        TempDir dir;
        const std::string path = dir.write("plane.flx", fixtureWithLine(117, bad));
        ProjectReadResult result;
        const Plane read = readOntoDefault(path, &result);
        EXPECT_EQ(result.status, ProjectReadStatus::Failed);
        ASSERT_TRUE(result.error);
        EXPECT_EQ(result.error->line(), 117);
        EXPECT_LT(result.message.size(), path.size() + 120) << result.message.substr(0, 200);
        EXPECT_EQ(read.fuselages.nbFuselages(), 2);  // what came before the line was read
    }
}

TEST(ProjectFile, AFileThatCannotBeOpenedIsReportedAndChangesNothing) {
    TempDir dir;
    ProjectReadResult result;
    const Plane read = readOntoDefault(dir.path() / "missing.flx", &result);
    EXPECT_EQ(result.status, ProjectReadStatus::Failed);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->line(), 0);
    EXPECT_EQ(result.projectDir, dir.path());
    EXPECT_EQ(projectText(read), projectText(defaultPlane()));
}

TEST(ProjectFile, JoinTexturePathKeepsStoredNamesInsideTheProjectFolder) {
    EXPECT_EQ(joinTexturePath("/p", ""), "");
    EXPECT_EQ(joinTexturePath("/p", "wood.jpg"), "/p/wood.jpg");
    EXPECT_EQ(joinTexturePath("", "wood.jpg"), "wood.jpg");
    EXPECT_EQ(joinTexturePath("/p", "../../etc/wood.jpg"), "/p/wood.jpg");
}

}  // namespace
}  // namespace ferlo
