#include "fuselage/mesh_sections.h"
#include "base/part_texture.h"

namespace ferlo {

// The texture coordinates come from `create` and do not depend on the
// image, so nothing follows the load.
void MeshSections::textureMap(TextureContext& context) {
    mapPartTextureReporting({texturePath, texture_loaded, xtex, ytex, texture_bytes},
                            {.quarterTurn = false, .wrap = TextureWrap::Repeat, .afterLoad = {}}, context,
                            kFuselageTextureError, reportedTextureFailure);
}

}  // namespace ferlo
