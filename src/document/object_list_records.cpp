#include "document/object_list_records.h"

#include <string>

namespace ferlo {

void saveObjectList(const FuselageList& fuselages, ValueWriter& out) {
    out.keyword("ObjectList");
    out.integer(fuselages.nbFuselages());
    for (int i = 1; i <= fuselages.nbFuselages(); ++i) {
        out.string(fuselages.rowText(i));
        out.boolean(fuselages.shown(i));
    }
}

void readObjectList(FuselageList& fuselages, ValueReader& in) {
    in.skipKeyword();
    const int rows = in.readCount(0, FuselageList::kMaxFuselages, "fuselage manager rows");
    for (int i = 1; i <= rows; ++i) {
        std::string text = in.readString();
        const bool shown = in.readBool();
        if (i > fuselages.nbFuselages()) {
            in.fail("the fuselage manager names fuselage " + std::to_string(i) + ", which the file does not hold");
        }
        fuselages.setRowText(i, std::move(text));
        fuselages.setShown(i, shown);
    }
}

}  // namespace ferlo
