#include "document/texture_copy_names.h"

#include "document/textured_parts.h"

#include <map>
#include <set>
#include <system_error>

namespace ferlo {

namespace fs = std::filesystem;

namespace {

// A path in a form two spellings of one file share.
fs::path sameFileKey(const fs::path& path) {
    std::error_code ignored;
    fs::path canonical = fs::weakly_canonical(fs::absolute(path, ignored), ignored);
    return canonical.empty() ? path.lexically_normal() : canonical;
}

// "wood.jpg" numbered: "wood_2.jpg".
std::string numberedName(const std::string& name, int number) {
    const fs::path title(name);
    return title.stem().string() + "_" + std::to_string(number) + title.extension().string();
}

}  // namespace

std::vector<TextureEntry> textureCopyNames(const Plane& plane, const TextureCopyNaming& naming) {
    std::set<fs::path> sources;
    forEachTexturedPart(plane, [&](const auto& part) {
        if (!part.texture_filename().empty()) sources.insert(sameFileKey(part.texture_filename()));
    });
    const fs::path writtenKey = sameFileKey(naming.writtenFile);

    std::vector<TextureEntry> entries;
    std::map<fs::path, fs::path> copyOf;  // copy target -> the image copied there
    std::error_code ignored;
    forEachTexturedPart(plane, [&](const auto& part) {
        const std::string& source = part.texture_filename();
        if (source.empty()) {
            entries.push_back({});
            return;
        }
        const fs::path sourceKey = sameFileKey(source);
        const std::string title = naming.nameFor(part.qualified_texture_filename());
        std::string name = title;
        for (int number = 2;; ++number) {
            const fs::path target = sameFileKey(naming.folder / name);
            const auto copied = copyOf.find(target);
            const bool ownImage = naming.ownImageIsCopy && target == sourceKey;
            const bool otherFile = !naming.replaceable.count(name) && fs::exists(target, ignored);
            const bool free = target != writtenKey &&
                              (copied == copyOf.end() ? ownImage || (!sources.count(target) && !otherFile)
                                                      : copied->second == sourceKey);
            if (free) {
                copyOf.emplace(target, sourceKey);
                break;
            }
            name = numberedName(title, number);
        }
        entries.push_back({source, name});
    });
    return entries;
}

}  // namespace ferlo
