#include "document/dxf_export.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "support/default_plane.h"
#include "support/dxf_capture.h"
#include "support/file_size_limit.h"
#include "support/scoped_locale.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"

namespace ferlo {
namespace {

using testing::DxfCapture;
using testing::readDxfLines;
using testing::TempDir;

const std::string kHeader = testing::crlfLines({" 0 ", "SECTION", " 2 ", "ENTITIES"});
const std::string kFooter = testing::crlfLines({" 0 ", "ENDSEC", " 0 ", "EOF"});

// The layers of a drawing in the order they first appear.
std::vector<std::string> layersInOrder(const std::string& text) {
    std::vector<std::string> layers;
    for (const auto& line : readDxfLines(text)) {
        if (layers.empty() || layers.back() != line.layer) layers.push_back(line.layer);
    }
    return layers;
}

int linesOnLayer(const std::string& text, const std::string& layer) {
    int count = 0;
    for (const auto& line : readDxfLines(text)) count += line.layer == layer ? 1 : 0;
    return count;
}

struct ViewCase {
    const char* name;
    ViewKind mode;
    // The part writers of the view, in the order the drawing holds them.
    std::function<void(const Plane&, DxfFile&)> parts;
    std::vector<std::string> layers;
};

// The VTop and Front parts of the test aircraft: the three panels, the
// stabiliser, the fin and both fuselages.
std::function<void(const Plane&, DxfFile&)> everyPanelParts(void (SymWingSections::*panel)(DxfFile&) const,
                                                            void (VertWingSection::*fin)(DxfFile&) const,
                                                            void (MeshSections::*fuselage)(DxfFile&, std::int16_t)
                                                                const) {
    return [=](const Plane& p, DxfFile& f) {
        for (int i = 1; i <= 3; ++i) (p.mainWing.wing(i).*panel)(f);
        (p.stab.*panel)(f);
        (p.fin.*fin)(f);
        (p.fuselages.fuselage(1).*fuselage)(f, 1);
        (p.fuselages.fuselage(2).*fuselage)(f, 2);
    };
}

class DxfExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::setUpDefaultPlane(plane, 2);
        // A second fuselage, hidden, and the first one current again.
        plane.fuselages.addFuselage(false, plane.units, plane.defaultColor);
        plane.fuselages.fuselage(2).shift = 60;
        plane.fuselages.setShown(2, false);
        plane.fuselages.currentFuselage = 1;
        plane.dxfLastPoint = Point3D{1, 2, 3};
    }

    std::string exportText(ViewKind mode) {
        const auto path = dir.path() / "view.dxf";
        exportDXF(plane, mode, path);
        return TempDir::read(path);
    }

    Plane plane;
    TempDir dir;
};

// Each view's drawing is the frame around its parts' writers, in order and
// with one pen threaded through them; hidden fuselages are written, other
// panels than the first are left out of the Side view, and the HTop view
// holds the current fuselage only. An existing file is replaced.
TEST_F(DxfExportTest, EachViewWritesItsPartsInOrderInsideTheFrame) {
    const std::vector<ViewCase> cases{
        {"VTop", ViewKind::VTop,
         everyPanelParts(&SymWingSections::saveDXF_vtop, &VertWingSection::saveDXF_vtop, &MeshSections::saveDXF_vtop),
         {"Wing", "Fin", "Fuselage_1", "Fuselage_2"}},
        {"Front", ViewKind::Front,
         everyPanelParts(&SymWingSections::saveDXF_front, &VertWingSection::saveDXF_front,
                         &MeshSections::saveDXF_front),
         {"Wing", "Fin", "Fuselage_1", "Fuselage_2"}},
        {"Side", ViewKind::Side,
         [](const Plane& p, DxfFile& f) {
             p.mainWing.wing(1).saveDXF_side(f);
             p.stab.saveDXF_side(f);
             p.fin.saveDXF_side(f);
             p.fuselages.fuselage(1).saveDXF_side(f, 1);
             p.fuselages.fuselage(2).saveDXF_side(f, 2);
             p.equipment.box(1).saveDXF_side(f, 1);
         },
         {"Wing", "Fin", "Fuselage_1", "Fuselage_2", "Servo_1"}},
        {"HTop", ViewKind::HTop,
         [](const Plane& p, DxfFile& f) {
             p.fuselages.fuselage(1).saveDXF_htop(f);
             p.equipment.box(1).saveDXF_htop(f, 1);
         },
         {"Fuselage", "Servo_1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DxfCapture expected;
        expected.pen = plane.dxfLastPoint;
        c.parts(plane, expected.file);
        const Point3D penAfter = expected.pen;

        dir.write("view.dxf", std::string(5000, 'x'));  // a previous, longer file
        const std::string text = exportText(c.mode);
        EXPECT_EQ(text, kHeader + expected.text() + kFooter);
        EXPECT_EQ(layersInOrder(text), c.layers);
        EXPECT_EQ(plane.dxfLastPoint.x, penAfter.x);
        EXPECT_EQ(plane.dxfLastPoint.y, penAfter.y);
        EXPECT_EQ(plane.dxfLastPoint.z, penAfter.z);
    }
}

TEST_F(DxfExportTest, SideViewTakesOnlyTheFirstPanelAndTheOtherViewsEveryPanel) {
    const int sideWithThreePanels = linesOnLayer(exportText(ViewKind::Side), "Wing");
    const int vtopWithThreePanels = linesOnLayer(exportText(ViewKind::VTop), "Wing");
    plane.mainWing.nbWings = 1;
    EXPECT_EQ(linesOnLayer(exportText(ViewKind::Side), "Wing"), sideWithThreePanels);
    EXPECT_LT(linesOnLayer(exportText(ViewKind::VTop), "Wing"), vtopWithThreePanels);
}

TEST_F(DxfExportTest, HTopViewFollowsTheCurrentFuselage) {
    plane.fuselages.currentFuselage = 2;
    DxfCapture expected;
    expected.pen = plane.dxfLastPoint;
    plane.fuselages.fuselage(2).saveDXF_htop(expected.file);
    const std::string text = exportText(ViewKind::HTop);
    EXPECT_EQ(text.substr(0, kHeader.size() + expected.text().size()), kHeader + expected.text());
}

TEST_F(DxfExportTest, InchesDivideEveryCoordinateBy25_4) {
    const auto millimetres = readDxfLines(exportText(ViewKind::Side));
    plane.mainWing.switchWingsToInches();
    plane.stab.switchToInches();
    plane.fin.switchToInches();
    plane.fuselages.switchFuselagesToInches();
    plane.equipment.switchEquipmentToInches();
    const auto inches = readDxfLines(exportText(ViewKind::Side));
    ASSERT_EQ(inches.size(), millimetres.size());
    ASSERT_FALSE(inches.empty());
    for (std::size_t i = 0; i < inches.size(); ++i) {
        const auto& mm = millimetres[i];
        const auto& in = inches[i];
        EXPECT_EQ(in.layer, mm.layer);
        for (auto [a, b] : {std::pair{in.x1, mm.x1}, {in.y1, mm.y1}, {in.z1, mm.z1}, {in.x2, mm.x2},
                            {in.y2, mm.y2}, {in.z2, mm.z2}}) {
            EXPECT_NEAR(a, b / 25.4, 1e-9) << "line " << i;
        }
    }
}

// Under a comma-decimal locale the numbers keep their points: the outer ends
// of the wing panels (700 after panel 1, further out for the others) read
// back.
TEST_F(DxfExportTest, NumbersAreLocaleFree) {
    testing::ScopedLocale german("de_DE.UTF-8");
    const std::string text = exportText(ViewKind::Front);
    EXPECT_EQ(text.find(','), std::string::npos);
    bool outerEndOfPanel1 = false;
    for (const auto& line : readDxfLines(text)) {
        outerEndOfPanel1 = outerEndOfPanel1 || (line.layer == "Wing" && (line.x1 == 700 || line.x2 == 700));
    }
    EXPECT_TRUE(outerEndOfPanel1);
}

// A drawing that breaks off leaves the previous file as it was, no temporary
// file beside it and the document's pen where it stood.
TEST_F(DxfExportTest, FailedExportLeavesThePreviousFileAndThePen) {
    const std::string previous = "previous drawing\r\n";
    const auto path = dir.write("view.dxf", previous);
    struct Failure {
        const char* name;
        std::function<void(Plane&, const TempDir&)> breakIt;
        ViewKind mode;
        rlim_t fileSizeLimit = 0;  // 0: none
    };
    const std::vector<Failure> failures{
        // A panel count beyond the panels held: the export stops after panel 1.
        {"missing panel", [](Plane& p, const TempDir&) { p.mainWing.nbWings = 7; }, ViewKind::VTop},
        {"invalid current fuselage", [](Plane& p, const TempDir&) { p.fuselages.currentFuselage = 9; },
         ViewKind::HTop},
        // The disk is full.
        {"disk full", [](Plane&, const TempDir&) {}, ViewKind::Side, 100},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.name);
        Plane broken;
        testing::setUpDefaultPlane(broken);
        broken.dxfLastPoint = Point3D{1, 2, 3};
        f.breakIt(broken, dir);
        {
            std::optional<testing::FileSizeLimit> limit;
            if (f.fileSizeLimit > 0) limit.emplace(f.fileSizeLimit);
            EXPECT_ANY_THROW(exportDXF(broken, f.mode, path));
        }
        EXPECT_EQ(TempDir::read(path), previous);
        EXPECT_EQ(broken.dxfLastPoint.x, 1);
        EXPECT_EQ(broken.dxfLastPoint.y, 2);
        EXPECT_EQ(broken.dxfLastPoint.z, 3);
    }
    EXPECT_EQ(dir.names(), std::vector<std::string>{"view.dxf"});
}

TEST(DxfExport, FileThatCannotBeCreatedIsAWriteError) {
    Plane plane;
    testing::setUpDefaultPlane(plane);
    TempDir dir;
    EXPECT_THROW(exportDXF_vtop(plane, dir.path() / "missing" / "view.dxf"), WriteError);
}

}  // namespace
}  // namespace ferlo
