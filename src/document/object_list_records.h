#pragma once

#include "base/value_reader.h"
#include "base/value_writer.h"
#include "fuselage/fuselage_list.h"

namespace ferlo {

// The fuselage manager's section of the project file ("ObjectList"): the
// row count, then for each fuselage its row text and its shown flag.

void saveObjectList(const FuselageList& fuselages, ValueWriter& out);

// Sets the row text and the shown flag of fuselage i from row i, the text as
// stored, whatever it says; a fuselage without a row keeps its own. The row
// count is checked before any row is read, and a row for a fuselage the list
// does not hold throws ReadError (the rows before it are taken).
void readObjectList(FuselageList& fuselages, ValueReader& in);

}  // namespace ferlo
