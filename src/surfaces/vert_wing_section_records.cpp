#include "surfaces/vert_wing_section.h"

namespace ferlo {

namespace {

// What the "Rudder" record carries, in the order the current layout writes it.
struct RudderValues {
    std::int16_t nb;
    double span, length1, length2, thickness1, thickness2, pos1, pos2, offset1, offset2, shift;
    ColorRGB color;
};

}  // namespace

void VertWingSection::save(ValueWriter& out) const {
    out.keyword("Rudder");
    out.integer(nb);
    // The offsets stand before `shift` in the file.
    for (double value : {span, length1, length2, thickness1, thickness2, pos1, pos2, offset1, offset2, shift,
                         color.red, color.green, color.blue}) {
        out.number(value);
    }
}

void VertWingSection::read(ValueReader& in) { readRecord(in, RecordLayout::Current); }
void VertWingSection::readV101(ValueReader& in) { readRecord(in, RecordLayout::V101); }
void VertWingSection::readV030(ValueReader& in) { readRecord(in, RecordLayout::V030); }
void VertWingSection::readV0212(ValueReader& in) { readRecord(in, RecordLayout::V0212); }

void VertWingSection::readRecord(ValueReader& in, RecordLayout layout) {
    // What an older layout lacks keeps the fin's value (the offsets, the colour).
    RudderValues v{nb, span, length1, length2, thickness1, thickness2, pos1, pos2, offset1, offset2, shift, color};
    in.skipKeyword();
    if (layout == RecordLayout::V030 || layout == RecordLayout::V0212) {
        in.readDouble();  // a leading number the program no longer uses
    }
    v.nb = in.readCount(kMinSectionPoints, kMaxSectionPoints, "number of fin section points");
    for (double* field : {&v.span, &v.length1, &v.length2, &v.thickness1, &v.thickness2, &v.pos1, &v.pos2}) {
        *field = in.readDouble();
    }
    if (layout == RecordLayout::V0212) {
        in.readDouble();  // two values where later files keep the offsets, not used
        in.readDouble();
    } else {
        v.offset1 = in.readDouble();
        v.offset2 = in.readDouble();
    }
    v.shift = in.readDouble();
    if (layout == RecordLayout::Current) {
        for (double* channel : {&v.color.red, &v.color.green, &v.color.blue}) *channel = in.readDouble();
    }

    nb = v.nb;
    span = v.span;
    length1 = v.length1;
    length2 = v.length2;
    thickness1 = v.thickness1;
    thickness2 = v.thickness2;
    pos1 = v.pos1;
    pos2 = v.pos2;
    offset1 = v.offset1;
    offset2 = v.offset2;
    shift = v.shift;
    color = v.color;
    create();
}

}  // namespace ferlo
