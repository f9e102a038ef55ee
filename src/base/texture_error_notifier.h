#pragma once

#include <string>
#include <vector>

namespace ferlo {

// A part's texture image that could not be made into a texture.
struct TextureFailure {
    std::string message;  // the program's message, shown to the user as it stands
    std::string file;     // the image
    std::string reason;   // what went wrong, for the details
    friend bool operator==(const TextureFailure&, const TextureFailure&) = default;
};

// Where the parts report texture failures. The parts report while the 3D view
// renders, so an implementation never shows anything from this call: it keeps
// the failure for the editor to show once rendering is over.
class TextureErrorNotifier {
public:
    virtual ~TextureErrorNotifier() = default;

    virtual void textureFailed(const TextureFailure& failure) = 0;
};

// Collects the failures of one rendering, each failing image once (the two
// halves of a panel load the same image), until the editor takes them.
class TextureErrorLog : public TextureErrorNotifier {
public:
    void textureFailed(const TextureFailure& failure) override;

    // The failures reported since the last call, in order, and forgets them.
    std::vector<TextureFailure> takePending();

private:
    std::vector<TextureFailure> pending_;
};

}  // namespace ferlo
