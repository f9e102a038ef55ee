#pragma once

#include <string>

#include "base/value_reader.h"
#include "document/plane.h"

namespace ferlo {

// The format generations of the project file, told apart by the header line
// alone. Each older generation differs only in the record readers it calls
// and in the trailing blocks its files hold.
enum class ProjectGeneration {
    V01,       // refused
    V0212,
    V02,
    V030,
    V031,      // 0.3.1 and 1.0.0
    V10,       // the other 1.0.x and 1.1.x
    V12,
    V13,       // 1.3.x to 1.5.x
    V16,       // 1.6.0 to 1.6.2
    V17,
    Current,
};

// Whether `text` as a whole matches `pattern`, in which "*" stands for any
// run of characters (the empty run too) and every other character for itself.
bool matchesWildcard(const std::string& text, const std::string& pattern);

// The generation of a header line: the first row of the dispatch table whose
// pattern matches, the current generation when none does.
ProjectGeneration projectGenerationOf(const std::string& header);

// Reads the body of an older generation's file (not V01 or Current) in the
// order its files hold the blocks. Every older generation clears the
// fuselages' elevation offsets. Throws ReadError at the first value that
// cannot be read.
void readOlderProject(Plane& plane, ValueReader& in, ProjectGeneration generation);

// The units flag: the unit of every length just read; nothing is converted.
void readUnitsFlag(Plane& plane, ValueReader& in);

}  // namespace ferlo
