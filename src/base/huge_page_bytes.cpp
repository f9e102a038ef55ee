#include "base/huge_page_bytes.h"

#include <sys/mman.h>
#include <unistd.h>

namespace ferlo {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

std::vector<std::uint8_t> hugePageBytes(std::size_t size) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(size);  // not touched yet
    if (size >= kHugePage) {
        // The advice covers whole pages inside the allocation; it is only
        // advice, so a system without huge pages fills small ones as before.
        const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        const auto start = reinterpret_cast<std::uintptr_t>(bytes.data());
        const std::uintptr_t begin = (start + page - 1) / page * page;
        const std::uintptr_t end = (start + size) / page * page;
        if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace ferlo
