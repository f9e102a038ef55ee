#include "document/texture_references.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "base/file_errors.h"
#include "base/input_file.h"
#include "base/texture_title.h"
#include "document/plane_operations.h"
#include "document/project_file.h"
#include "document/textured_parts.h"
#include "document/vrml_writer.h"

namespace ferlo {

namespace fs = std::filesystem;

std::vector<std::string> projectTextureNames(const fs::path& path) {
    Plane plane;
    newPlane(plane);
    readProject(plane, path);  // what was read before a damage counts too
    std::vector<std::string> names;
    forEachTexturedPart(plane, [&](const auto& part) {
        if (!part.texture_filename().empty()) names.push_back(part.qualified_texture_filename());
    });
    return names;
}

std::vector<std::string> worldTextureUrls(const fs::path& path) {
    std::vector<std::string> urls;
    try {
        InputFile file(path);
        for (std::string line; std::getline(file.stream(), line);) {
            if (const auto url = vrmlUrlOf(line); url && !url->empty()) urls.push_back(*url);
        }
    } catch (const ReadError&) {
        // What was read before counts; a file that cannot be opened refers to nothing.
    }
    return urls;
}

std::set<std::string> replaceableCopies(const fs::path& writtenFile, const std::vector<std::string>& earlierNames) {
    std::set<std::string> replaceable;
    for (const std::string& name : earlierNames) replaceable.insert(textureTitle(name));
    if (replaceable.empty()) return replaceable;

    // A folder that cannot be listed shares nothing this write could see.
    std::error_code error;
    const fs::path folder = writtenFile.parent_path().empty() ? fs::path(".") : writtenFile.parent_path();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& other = it->path();
        std::error_code ignored;
        if (!it->is_regular_file(ignored) || fs::equivalent(other, writtenFile, ignored)) continue;
        std::string extension = other.extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        std::vector<std::string> referred;
        if (extension == ".flx") referred = projectTextureNames(other);
        if (extension == ".wrl") referred = worldTextureUrls(other);
        for (const std::string& name : referred) replaceable.erase(textureTitle(name));
    }
    return replaceable;
}

}  // namespace ferlo
