#pragma once

#include <cstdint>
#include <vector>

#include "base/texture_upload.h"

namespace ferlo {

// A texture upload that keeps every call, for tests of what a part hands over.
class RecordingTextureUpload : public TextureUpload {
public:
    struct Call {
        std::int32_t width = 0;
        std::int32_t height = 0;
        std::vector<std::uint8_t> rgb;
        TextureWrap wrap = TextureWrap::Clamp;
    };

    void upload(std::int32_t width, std::int32_t height, const std::vector<std::uint8_t>& rgb,
                TextureWrap wrap) override {
        calls_.push_back({width, height, rgb, wrap});
    }

    const std::vector<Call>& calls() const { return calls_; }

private:
    std::vector<Call> calls_;
};

}  // namespace ferlo
