#include "base/large_buffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace zt6 {

namespace {
constexpr std::size_t kHugePage = 2u << 20;
constexpr std::uintptr_t kPage = 4096;
}  // namespace

void ReserveLargeBuffer(std::string& text, std::size_t bytes) {
  text.reserve(bytes);
  if (bytes < kHugePage) return;  // small texts: the allocator's own pages
#ifdef MADV_HUGEPAGE
  // Only the whole pages inside the reservation; a refusal leaves small pages.
  const auto start = reinterpret_cast<std::uintptr_t>(text.data());
  const std::uintptr_t first = (start + kPage - 1) & ~(kPage - 1);
  const std::uintptr_t last = (start + text.capacity()) & ~(kPage - 1);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace zt6
