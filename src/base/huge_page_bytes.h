#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ferlo {

// `size` bytes of zero in fresh memory. Where they span huge pages, the
// system is asked to back them with such pages: a first touch of fresh
// memory costs a page fault a page, and for the 48 MB of the largest
// texture the faults of small pages cost far more than filling them.
std::vector<std::uint8_t> hugePageBytes(std::size_t size);

}  // namespace ferlo
