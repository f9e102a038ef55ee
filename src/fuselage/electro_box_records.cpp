#include "fuselage/electro_box.h"

namespace ferlo {

void ElectroBox::save(ValueWriter& out) const {
    out.keyword("ElectroBox");
    for (double value : {length, width, height, weight, pos, elevation, shift}) out.number(value);
    out.integer(orientation);
    out.integer(box);
}

void ElectroBox::read(ValueReader& in) {
    ElectroBox v = *this;
    in.skipKeyword();
    for (double* field : {&v.length, &v.width, &v.height, &v.weight, &v.pos, &v.elevation, &v.shift}) {
        *field = in.readDouble();
    }
    v.orientation = in.readInt32();
    v.box = in.readInt32();
    *this = v;
}

}  // namespace ferlo
