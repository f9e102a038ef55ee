#pragma once

#include <filesystem>
#include <string>

#include "base/image_converter.h"

namespace ferlo {

// Power-of-two copies of a part's texture image, written beside an exported
// world (JPEG) or a saved project (24-bit bitmap). `tex` is the full path of
// the image, `titlename` its file name as the project file stores it (only
// its file-name part counts; an empty title takes the name of `tex`), and
// `dirout` the folder of the copy. A copy never replaces the image `tex`
// itself. Failures throw ImageError (loading) or WriteError (writing).

// The name of the JPEG copy of an image titled `titlename`: its last three
// characters replaced by "jpg" (wing.bmp gives wing.jpg, wing.jpeg gives
// wing.jjpg); a title of three characters or fewer gives its base name plus
// ".jpg".
std::string jpgCopyName(const std::string& titlename, const std::string& tex);

// Writes the image, turned a quarter turn unless `rot`, as a JPEG copy in
// `dirout` and returns the copy's file name (the texture's address in the
// world file); empty when `tex` is empty. When that name would be the source
// image itself, the copy goes under the base name plus "_copy.jpg" instead.
std::string convertJPG(ImageConverter& converter, const std::string& tex, const std::string& titlename,
                       const std::filesystem::path& dirout, bool rot = false);

// Writes the image as a 24-bit bitmap copy in `dirout` under `titlename`,
// extension included (so a JPEG source gives a bitmap named ".jpg"; loading
// recognises it by its content). Does nothing when `tex` is empty, or when
// the copy would be the source image itself: the image already lies there
// under its title.
void saveTarget(ImageConverter& converter, const std::string& tex, const std::string& titlename,
                const std::filesystem::path& dirout);

}  // namespace ferlo
