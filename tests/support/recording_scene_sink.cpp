#include "support/recording_scene_sink.h"

namespace ferlo {

void RecordingSceneSink::material(const ColorRGB& rgb, float alpha) {
    state_.colour = rgb;
    state_.alpha = alpha;
}

void RecordingSceneSink::blending(bool on) {
    state_.blending = on;
    blendingSwitches_.push_back(on);
}

void RecordingSceneSink::texture(std::int32_t width, std::int32_t height, const std::vector<std::uint8_t>&,
                                 TextureWrap wrap) {
    state_.textured = true;
    textures_.push_back({width, height, wrap});
}

void RecordingSceneSink::textureOff() { state_.textured = false; }

void RecordingSceneSink::begin(Primitive primitive) {
    if (open_) balanced_ = false;
    open_ = true;
    shapes_.push_back(state_);
    shapes_.back().primitive = primitive;
    texCoord_.reset();
}

void RecordingSceneSink::normal(const Point3D& n) { normal_ = n; }

void RecordingSceneSink::texCoord(double u, double v) { texCoord_ = Point2D{u, v}; }

void RecordingSceneSink::vertex(const Point3D& p) {
    if (!open_) {
        balanced_ = false;
        return;
    }
    shapes_.back().vertices.push_back({p, normal_, texCoord_});
    texCoord_.reset();
}

void RecordingSceneSink::end() {
    if (!open_) balanced_ = false;
    open_ = false;
}

}  // namespace ferlo
