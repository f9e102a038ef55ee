#include "surfaces/vert_wing_section.h"

#include <string>

#include <gtest/gtest.h>

#include "support/default_aircraft.h"
#include "support/dxf_capture.h"
#include "support/recording_canvas.h"

namespace ferlo {
namespace {

using testing::defaultFin;
using testing::DxfCapture;
using testing::dxfPolylineEntities;

// The default fin's root rectangle in DXF: lateral y across, aft down.
std::string defaultRectangleDxf() {
    return dxfPolylineEntities("Fin", {{" 7.5 ", "-650 "}, {" 7.5 ", "-800 "}, {"-7.5 ", "-800 "}, {"-7.5 ", "-650 "},
                                       {" 7.5 ", "-650 "}});
}

TEST(FinVTop, DxfOfTheDefaultFinIsTheRootRectangleWhateverItsHeight) {
    VertWingSection fin = defaultFin();
    fin.shift = 999;
    fin.span = 1;
    fin.pos2 = 500;
    DxfCapture dxf;
    fin.saveDXF_vtop(dxf.file);
    EXPECT_EQ(dxf.text(), defaultRectangleDxf());
}

TEST(FinVTop, DxfOfATwinFinHasEightLines) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 20;
    DxfCapture dxf;
    fin.saveDXF_vtop(dxf.file);
    EXPECT_EQ(dxf.text(), dxfPolylineEntities("Fin", {{" 27.5 ", "-650 "}, {" 27.5 ", "-800 "}, {" 12.5 ", "-800 "},
                                                      {" 12.5 ", "-650 "}, {" 27.5 ", "-650 "}}) +
                              dxfPolylineEntities("Fin", {{"-27.5 ", "-650 "}, {"-27.5 ", "-800 "}, {"-12.5 ", "-800 "},
                                                          {"-12.5 ", "-650 "}, {"-27.5 ", "-650 "}}));

    // A tip offset alone makes a twin too; its rectangle lies on the first one.
    fin.offset1 = 0;
    fin.offset2 = 15;
    DxfCapture centred;
    fin.saveDXF_vtop(centred.file);
    const std::string mirrored = dxfPolylineEntities(
        "Fin", {{"-7.5 ", "-650 "}, {"-7.5 ", "-800 "}, {" 7.5 ", "-800 "}, {" 7.5 ", "-650 "}, {"-7.5 ", "-650 "}});
    EXPECT_EQ(centred.text(), defaultRectangleDxf() + mirrored);
}

TEST(FinVTop, DrawnInTheInactiveColourWithTheTwinMirroredAboutTheCentreColumn) {
    VertWingSection fin = defaultFin();
    fin.offset1 = 20;
    fin.computeVTopPoints({2, 400, -1000});
    RecordingCanvas canvas;
    ViewState view;
    view.xoff = 400;
    const ViewColors colors{};
    fin.drawVTop({canvas, view, colors});
    fin.drawVTop({canvas, view, colors});  // no recompute: the same place again
    const auto& drawn = canvas.segments();
    ASSERT_EQ(drawn.size(), 16u);
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].color, colors.colorInactive) << i;
        EXPECT_EQ(drawn[i].x2, drawn[i % 8].x2) << i;
        EXPECT_EQ(drawn[i].y2, drawn[i % 8].y2) << i;
    }
    // The right fin, centred 20 units (40 pixels) right of the centre column;
    // aft is down the screen.
    EXPECT_EQ(drawn[0].x1, 455);
    EXPECT_EQ(drawn[0].y1, 300);
    EXPECT_EQ(drawn[0].y2, 600);
    EXPECT_EQ(drawn[1].x2, 425);
    // The mirrored fin, 40 pixels left of it.
    EXPECT_EQ(drawn[4].x1, 345);
    EXPECT_EQ(drawn[5].x2, 375);
}

}  // namespace
}  // namespace ferlo
