#pragma once

#include <exception>

namespace ferlo {

// The failure rule of the procedures that touch many objects (start-up, the
// view set-ups): a step that fails is skipped and the procedure goes on with
// its next step. What failed has left its part as it was (the model changes
// all or nothing), so going on is safe.
template <typename Step>
void skipOnFailure(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace ferlo
