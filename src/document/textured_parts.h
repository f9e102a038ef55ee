#pragma once

namespace ferlo {

// Calls `action(part)` with every part that can carry a texture, in the order
// the project file and the VRML world list their textures: wing panels 1 to
// nbWings, the stabiliser, fuselages 1 to nbFuselages, the fin. `PlaneT` is
// Plane or const Plane. Every such part offers `texture_filename()`,
// `qualified_texture_filename()` and `setTexture(path)`.
template <typename PlaneT, typename Action>
void forEachTexturedPart(PlaneT& plane, Action action) {
    for (int i = 1; i <= plane.mainWing.nbWings; ++i) action(plane.mainWing.wing(i));
    action(plane.stab);
    for (int i = 1; i <= plane.fuselages.nbFuselages(); ++i) action(plane.fuselages.fuselage(i));
    action(plane.fin);
}

// Whether any part carries a texture image, so that a written file has
// copies to name.
template <typename PlaneT>
bool anyPartTextured(PlaneT& plane) {
    bool any = false;
    forEachTexturedPart(plane, [&](const auto& part) { any = any || !part.texture_filename().empty(); });
    return any;
}

}  // namespace ferlo
