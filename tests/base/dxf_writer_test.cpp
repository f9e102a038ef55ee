#include "base/dxf_writer.h"

#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_errors.h"

namespace ferlo {
namespace {

class DxfWriterTest : public ::testing::Test {
protected:
    std::ostringstream out;
    LineWriter lines{out, "test.dxf"};
    Point3D pen;
    DxfFile file{lines, pen};

    std::vector<std::string> writtenLines() const {
        std::vector<std::string> result;
        const std::string text = out.str();
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) {
                ADD_FAILURE() << "a line does not end in CR LF";
                break;
            }
            result.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return result;
    }

    int countLines(const std::string& wanted) const {
        int n = 0;
        for (const auto& l : writtenLines()) n += (l == wanted);
        return n;
    }
};

TEST_F(DxfWriterTest, EmptyExportIsTheEightLinesOfTheFrame) {
    dxfHeader(file);
    dxfFooter(file);
    EXPECT_EQ(out.str(), " 0 \r\nSECTION\r\n 2 \r\nENTITIES\r\n 0 \r\nENDSEC\r\n 0 \r\nEOF\r\n");
}

TEST_F(DxfWriterTest, NumberForms) {
    const std::pair<double, const char*> cases[] = {
        {0, " 0 "}, {-12.5, "-12.5 "}, {1.25, " 1.25 "}, {700, " 700 "}, {-0.0, " 0 "},
        {1.0 / 3.0, " 0.3333333333333333 "}, {-2.0 / 3.0, "-0.6666666666666666 "},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(dxfNumber(value), text) << value;
}

TEST_F(DxfWriterTest, LineEntityLayout) {
    dxfLine(file, 1, 2, 0, -3.5, 4, 0, "Wing");
    const std::vector<std::string> expected{" 0 ", "LINE", " 8 ", "Wing", " 10 ", " 1 ", " 20 ", " 2 ", " 30 ",
                                            " 0 ", " 11 ", "-3.5 ", " 21 ", " 4 ", " 31 ", " 0 "};
    EXPECT_EQ(writtenLines(), expected);
}

// Each line's start is written as its own numbers, whether it is where the
// last line ended (its text then taken over) or not, also after a line that
// failed on its end.
TEST_F(DxfWriterTest, EveryLineWritesItsOwnStart) {
    const Point3D a{1, 2, 0}, b{-12.5, 1.0 / 3.0, 700}, c{0.1, -2.0 / 3.0, 1e-300}, d{5, 6, 7};
    const std::pair<Point3D, Point3D> segments[] = {
        {{-0.0, 0, 0}, a}, {a, b}, {b, c}, {d, a}, {a, c}, {c, d}, {{5, 9, 0}, b}, {{-12.5, 1.0 / 3.0, 0}, b}, {b, a}};
    std::vector<std::string> expected;
    for (const auto& [from, to] : segments) {
        if (from == b && to == a) {
            EXPECT_THROW(dxfLine(file, b.x, b.y, b.z, 4, std::nan(""), 0, "Wing"), std::invalid_argument);
        }
        dxfLine(file, from.x, from.y, from.z, to.x, to.y, to.z, "Wing");
        const std::vector<std::string> entity{" 0 ",  "LINE",            " 8 ",  "Wing",
                                              " 10 ", dxfNumber(from.x), " 20 ", dxfNumber(from.y),
                                              " 30 ", dxfNumber(from.z), " 11 ", dxfNumber(to.x),
                                              " 21 ", dxfNumber(to.y),   " 31 ", dxfNumber(to.z)};
        expected.insert(expected.end(), entity.begin(), entity.end());
    }
    EXPECT_EQ(writtenLines(), expected);
}

TEST_F(DxfWriterTest, PolylineOfNPointsGivesNMinusOneLines) {
    const double square[5][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    dxfLineTo(file, square[0][0], square[0][1], 0, false, "NoName");
    for (int i = 1; i < 5; ++i) dxfLineTo(file, square[i][0], square[i][1], 0, true, "Fin");
    EXPECT_EQ(countLines("LINE"), 4);
    EXPECT_EQ(countLines("NoName"), 0);
    EXPECT_EQ(countLines("Fin"), 4);
}

TEST_F(DxfWriterTest, PenUpMoveWritesNothingAndDxfLineLeavesThePen) {
    dxfLineTo(file, 5, 6, 7, false, "NoName");
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(pen, (Point3D{5, 6, 7}));

    dxfLine(file, 100, 100, 0, 200, 200, 0, "Wing");
    EXPECT_EQ(pen, (Point3D{5, 6, 7}));

    out.str("");
    dxfLineTo(file, 8, 9, 0, true, "Wing");
    const auto l = writtenLines();
    ASSERT_EQ(l.size(), 16u);
    EXPECT_EQ(l[5], " 5 ");  // starts at the last dxfLineTo point, not at the dxfLine's end
    EXPECT_EQ(l[7], " 6 ");
    EXPECT_EQ(l[9], " 7 ");
}

TEST_F(DxfWriterTest, PenCarriesOverFromOneExportToTheNext) {
    dxfHeader(file);
    dxfLineTo(file, 3, 4, 0, false, "NoName");
    dxfFooter(file);
    std::ostringstream second;
    LineWriter secondLines(second, "second.dxf");
    DxfFile next{secondLines, pen};
    dxfHeader(next);
    EXPECT_EQ(next.dxfLastPoint, (Point3D{3, 4, 0}));
}

TEST_F(DxfWriterTest, FailedWriteReachesTheCaller) {
    out.setstate(std::ios::badbit);
    EXPECT_THROW(dxfHeader(file), WriteError);
}

}  // namespace
}  // namespace ferlo
