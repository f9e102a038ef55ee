#pragma once

#include <string>
#include <vector>

namespace ferlo {

// A part's texture image that could not be made into a texture.
struct TextureFailure {
    std::string message;  // the part's first line, as the program has always given it
    std::string file;     // the image
    std::string reason;   // what went wrong
    friend bool operator==(const TextureFailure&, const TextureFailure&) = default;

    // What the user is shown: the message, then the file and the reason.
    std::string text() const { return message + "\n" + file + ": " + reason; }
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
