#pragma once

namespace ferlo {

// The progress window of an image conversion. It appears only when a
// conversion runs long enough for a person to notice; `end` hides it.
class ConversionProgress {
public:
    virtual ~ConversionProgress() = default;

    // A conversion starts (before its image is loaded).
    virtual void begin() = 0;
    // The share of the image read so far, 0 to 100.
    virtual void setValue(int percent) = 0;
    // The conversion is over, finished or failed: the window is hidden.
    virtual void end() = 0;
};

}  // namespace ferlo
