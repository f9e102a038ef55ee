#pragma once

#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/conversion_progress.h"
#include "base/image_converter.h"

namespace ferlo::testing {

// An image workspace without image files: images are registered by path and
// kept as a pixel function, so that turns and resizes cost nothing and huge
// sizes can be tried. Turns are clockwise and resizes take the nearest pixel,
// as the real converter does.
class FakeImageConverter : public ImageConverter {
public:
    struct Save {
        std::string kind;  // "jpeg" or "bmp"
        std::string path;
        int width, height;
    };

    // Every pixel of a registered image has its own colour.
    static PixelRGB pattern(int x, int y) {
        return {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(x * 7 + y * 3)};
    }

    void addImage(const std::string& path, int width, int height) { images_[path] = {width, height, pattern}; }

    // The image is kept whole; `decodeSize` hears its size, as from a header.
    using ImageConverter::load;
    void load(const std::string& path, const DecodeSize& decodeSize) override {
        ++loads;
        const auto found = images_.find(path);
        if (found == images_.end()) throw ImageError(path, "no such image");
        decodeSize({found->second.width, found->second.height});
        current_ = found->second;
    }
    void turnQuarter() override {
        const Image old = current_;
        current_ = {old.height, old.width, [old](int x, int y) { return old.pixel(y, old.height - 1 - x); }};
    }
    int width() const override { return current_.width; }
    int height() const override { return current_.height; }
    void resize(int width, int height) override {
        const Image old = current_;
        current_ = {width, height, [old, width, height](int x, int y) {
                        return old.pixel(static_cast<int>(static_cast<long long>(x) * old.width / width),
                                         static_cast<int>(static_cast<long long>(y) * old.height / height));
                    }};
    }
    PixelRGB pixel(int x, int y) const override {
        if (failPixelRead) throw ImageError("fake", "pixel read failed");
        if (x < 0 || y < 0 || x >= current_.width || y >= current_.height) return {};
        return current_.pixel(x, y);
    }
    void saveJpeg(const std::string& path) const override { save("jpeg", path); }
    void saveBitmap(const std::string& path) const override { save("bmp", path); }

    int loads = 0;
    bool failPixelRead = false;
    mutable std::vector<Save> saves;

private:
    struct Image {
        int width = 0;
        int height = 0;
        std::function<PixelRGB(int, int)> pixel;
    };

    // Leaves a marker file, so that a test sees which files a copy replaced.
    void save(const std::string& kind, const std::string& path) const {
        saves.push_back({kind, path, current_.width, current_.height});
        std::ofstream(path) << kind << " copy";
    }

    std::map<std::string, Image> images_;
    Image current_;
};

// A progress window that appears at once and records its use.
class RecordingProgress : public ConversionProgress {
public:
    void begin() override { ++begins; }
    void setValue(int percent) override {
        values.push_back(percent);
        visible = true;
    }
    void end() override {
        ++ends;
        visible = false;
    }

    int begins = 0;
    int ends = 0;
    bool visible = false;
    std::vector<int> values;
};

}  // namespace ferlo::testing
