#pragma once

#include <functional>

namespace ferlo::bench {

// Runs `release` when the benchmarks have run, while the application object
// still exists: for Qt objects a benchmark keeps from one run to the next.
void atEndOfRun(std::function<void()> release);

}  // namespace ferlo::bench
