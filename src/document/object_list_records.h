#pragma once

#include <string>

#include "base/value_reader.h"
#include "base/value_writer.h"
#include "fuselage/fuselage_list.h"

namespace ferlo {

// The fuselage manager's section of the project file ("ObjectList"): the
// row count, then for each fuselage its row text and its shown flag.

// The row text of fuselage i: "Fuselage " and the number in three digits.
std::string fuselageRowName(int i);

void saveObjectList(const FuselageList& fuselages, ValueWriter& out);

// Sets the shown flag of fuselage i from row i; a fuselage without a row
// keeps its flag. The row count is checked before any row is read, and a row
// for a fuselage the list does not hold throws ReadError (the rows before it
// keep their flags). The row texts are not used: the manager names its rows.
void readObjectList(FuselageList& fuselages, ValueReader& in);

}  // namespace ferlo
