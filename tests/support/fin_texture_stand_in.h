#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "surfaces/part_texture.h"

namespace ferlo::testing {

// Stands in for the fin: its texture fields, and a `create` that records the
// texture width it saw.
struct FinTextureStandIn {
    std::string texture_filename;
    bool texture_loaded = false;
    std::int32_t xtex = 0;
    std::int32_t ytex = 0;
    std::vector<std::uint8_t> texture_bytes;
    std::vector<std::int32_t> xtexSeenByCreate;

    void textureMap(TextureContext& context) {
        mapFinTexture({texture_filename, texture_loaded, xtex, ytex, texture_bytes},
                      [this] { xtexSeenByCreate.push_back(xtex); }, context);
    }
};

}  // namespace ferlo::testing
