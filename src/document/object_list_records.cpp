#include "document/object_list_records.h"

#include <cstdio>

namespace ferlo {

std::string fuselageRowName(int i) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", i);
    return std::string("Fuselage ") + number;
}

void saveObjectList(const FuselageList& fuselages, ValueWriter& out) {
    out.keyword("ObjectList");
    out.integer(fuselages.nbFuselages());
    for (int i = 1; i <= fuselages.nbFuselages(); ++i) {
        out.string(fuselageRowName(i));
        out.boolean(fuselages.shown(i));
    }
}

void readObjectList(FuselageList& fuselages, ValueReader& in) {
    in.skipKeyword();
    const int rows = in.readCount(0, FuselageList::kMaxFuselages, "fuselage manager rows");
    for (int i = 1; i <= rows; ++i) {
        in.readString();
        const bool shown = in.readBool();
        if (i > fuselages.nbFuselages()) in.fail("the fuselage manager names fuselage " + std::to_string(i) +
                                                 ", which the file does not hold");
        fuselages.setShown(i, shown);
    }
}

}  // namespace ferlo
