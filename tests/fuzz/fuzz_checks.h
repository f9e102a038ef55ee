#pragma once

#include <filesystem>
#include <string>

namespace ferlo::fuzz {

// One input run through a reader, as the fuzz targets and their replay tests
// run it. A crash or a sanitizer report shows itself; a check returns what
// else went wrong (a promise of the readers broken), or "" when nothing did.
// `folder` is a scratch folder the check may write files into.

// A project file: readProject on a new default aircraft, then the aircraft
// read (all of it or the part before a bad value) is saved, read back and
// saved again; the two saved files must be equal.
std::string checkProjectFile(const std::string& bytes, const std::filesystem::path& folder);

// The record and list readers of the parts: the first byte picks a reader,
// the rest is its text. A record reader that fails leaves its part as it
// was; whatever any reader leaves is saved and read back as above.
std::string checkRecordReaders(const std::string& bytes, const std::filesystem::path& folder);

// An ".xy" airfoil file put on the current wing panel: a refused file
// changes nothing; an accepted one is saved and read back as above.
std::string checkAirfoilFile(const std::string& bytes, const std::filesystem::path& folder);

// An image file through the texture path (the last byte decides whether it
// is turned): refused with an ImageError, or converted to a power-of-two
// size within the limits.
std::string checkImageFile(const std::string& bytes, const std::filesystem::path& folder);

// A preferences file: a file larger than preferences can be is refused
// unread and gives no values; any other is read value by value, and the
// options read are written and read back alike.
std::string checkPreferencesFile(const std::string& bytes, const std::filesystem::path& folder);

}  // namespace ferlo::fuzz
