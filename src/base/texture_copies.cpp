#include "base/texture_copies.h"

#include <system_error>

#include "base/power_of_two_image.h"

namespace ferlo {

namespace {

namespace fs = std::filesystem;

// The file-name part of the title, so that a title read from a project file
// cannot place a copy outside `dirout`.
std::string copyTitle(const std::string& titlename, const std::string& tex) {
    const fs::path title = fs::path(titlename).filename();
    return title.empty() ? fs::path(tex).filename().string() : title.string();
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

}  // namespace

std::string jpgCopyName(const std::string& titlename, const std::string& tex) {
    const std::string title = copyTitle(titlename, tex);
    if (title.size() > 3) return title.substr(0, title.size() - 3) + "jpg";
    return fs::path(title).stem().string() + ".jpg";
}

std::string convertJPG(ImageConverter& converter, const std::string& tex, const std::string& titlename,
                       const fs::path& dirout, bool rot) {
    if (tex.empty()) return {};
    loadPowerOfTwoImage(converter, tex, !rot);
    std::string name = jpgCopyName(titlename, tex);
    if (sameFile(tex, dirout / name)) name = fs::path(name).stem().string() + "_copy.jpg";
    converter.saveJpeg((dirout / name).string());
    return name;
}

void saveTarget(ImageConverter& converter, const std::string& tex, const std::string& titlename,
                const fs::path& dirout) {
    if (tex.empty()) return;
    const fs::path target = dirout / copyTitle(titlename, tex);
    if (sameFile(tex, target)) return;
    loadPowerOfTwoImage(converter, tex, false);
    converter.saveBitmap(target.string());
}

}  // namespace ferlo
