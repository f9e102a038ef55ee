#include <limits>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "base/value_reader.h"
#include "base/value_writer.h"

namespace ferlo {
namespace {

using namespace std::string_literals;

TEST(ValueWriter, WritesOneValuePerCrLfLine) {
    std::ostringstream out;
    LineWriter lines(out, "t");
    ValueWriter w(lines);
    w.keyword("Wing Type");
    w.integer(16);
    w.number(0.13);
    w.number(-12.5);
    w.boolean(true);
    w.boolean(false);
    w.string("wood.bmp");
    w.string("");
    EXPECT_EQ(out.str(), "Wing Type\r\n16\r\n0.13\r\n-12.5\r\n#TRUE#\r\n#FALSE#\r\n\"wood.bmp\"\r\n\"\"\r\n");
}

TEST(ValueReader, ReadsEachValueAsItsFieldsType) {
    std::istringstream in("Wing Type\r\n+3\r\n.5\r\n-.25\n1E-05\r\n#TRUE#\r\n\"a b\"\r\n\"\"\r\n2.5\r\n");
    ValueReader r(in, "t.flx");
    r.skipKeyword();
    EXPECT_EQ(r.readInt16(), 3);
    EXPECT_EQ(r.readDouble(), 0.5);
    EXPECT_EQ(r.readDouble(), -0.25);
    EXPECT_EQ(r.readDouble(), 1e-5);
    EXPECT_TRUE(r.readBool());
    EXPECT_EQ(r.readString(), "a b");
    EXPECT_EQ(r.readString(), "");
    EXPECT_EQ(r.readInt32(), 2);  // a fraction rounds to the nearest whole number, halves to even
    EXPECT_TRUE(r.atEnd());
}

struct BadValue {
    std::string text;
    int line;
    enum Kind { Int16, Int32, Double, Bool, String, Count } kind;
};

TEST(ValueReader, AValueThatCannotBeReadIsAReadErrorWithItsLine) {
    const BadValue cases[] = {
        {"16\r\n32768\r\n", 2, BadValue::Int16},      {"1\r\n-32769\r\n", 2, BadValue::Int16},
        {"1\r\n3000000000\r\n", 2, BadValue::Int32},  {"1\r\nabc\r\n", 2, BadValue::Double},
        {"1\r\n", 2, BadValue::Double},                {"1\r\nTrue\r\n", 2, BadValue::Bool},
        {"1\r\nname\r\n", 2, BadValue::String},        {"1\r\n0\r\n", 2, BadValue::Count},
        {"1\r\n40000\r\n", 2, BadValue::Count},    {"1\r\n1e13\r\n", 2, BadValue::Double},
        {"1\r\n-2E+300\r\n", 2, BadValue::Double},
        // A text the writer could not write back (a carriage return inside),
        // or no file name could hold (a NUL).
        {"1\r\n\"wo\rod.jpg\"\r\n", 2, BadValue::String}, {"1\r\n\"wood.jpg\r\"\n", 2, BadValue::String},
        {"1\r\n\"wood.jpg\0.bmp\"\r\n"s, 2, BadValue::String},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        ValueReader r(in, "bad.flx");
        r.skipKeyword();
        try {
            switch (c.kind) {
                case BadValue::Int16: r.readInt16(); break;
                case BadValue::Int32: r.readInt32(); break;
                case BadValue::Double: r.readDouble(); break;
                case BadValue::Bool: r.readBool(); break;
                case BadValue::String: r.readString(); break;
                case BadValue::Count: r.readCount(1, 100, "panel count"); break;
            }
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const ReadError& e) {
            EXPECT_EQ(e.file(), "bad.flx");
            EXPECT_EQ(e.line(), c.line) << c.text;
        }
    }
}

TEST(ValueWriter, TextValuesReadBackAsTheyWereAndLineBreaksAreRefused) {
    std::ostringstream out;
    LineWriter lines(out, "t");
    ValueWriter w(lines);
    w.string("my \"best\" wood.bmp");
    std::istringstream in(out.str());
    ValueReader r(in, "t");
    EXPECT_EQ(r.readString(), "my \"best\" wood.bmp");

    for (const std::string& broken : {"two\nlines.bmp"s, "cr\r.bmp"s, "nul\0.bmp"s}) {
        std::ostringstream refused;
        LineWriter refusedLines(refused, "t");
        ValueWriter refusing(refusedLines);
        EXPECT_THROW(refusing.string(broken), WriteError) << broken;
        EXPECT_TRUE(refused.str().empty()) << broken;
    }
}

// A number the reader would refuse is not written: the file stays readable.
TEST(ValueWriter, NumbersBeyondTheFileLimitAreRefused) {
    for (const double refused : {1.5e12, -1e13, std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN()}) {
        std::ostringstream out;
        LineWriter lines(out, "t");
        ValueWriter w(lines);
        EXPECT_THROW(w.number(refused), WriteError) << refused;
        EXPECT_TRUE(out.str().empty()) << refused;
    }
}

TEST(ValueReader, NumbersUpToTheFileLimitRead) {
    std::istringstream in("1e12\r\n-1E+12\r\n");
    ValueReader r(in, "t");
    EXPECT_EQ(r.readDouble(), 1e12);
    EXPECT_EQ(r.readDouble(), -1e12);
}

}  // namespace
}  // namespace ferlo
