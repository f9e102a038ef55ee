#include "base/texture_error_notifier.h"

#include <algorithm>

namespace ferlo {

void TextureErrorLog::textureFailed(const TextureFailure& failure) {
    const bool known = std::any_of(pending_.begin(), pending_.end(), [&](const TextureFailure& kept) {
        return kept.message == failure.message && kept.file == failure.file;
    });
    if (!known) pending_.push_back(failure);
}

std::vector<TextureFailure> TextureErrorLog::takePending() {
    std::vector<TextureFailure> taken;
    taken.swap(pending_);
    return taken;
}

}  // namespace ferlo
