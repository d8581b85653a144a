// The programs' operator new: large blocks (a track's points, its chart drawings, the lookup
// tables of a million points) are asked to be backed by huge pages before they are first
// touched. On a machine where faulting in a fresh 4 KiB page costs microseconds, that is
// most of the time of showing a big track. Everything else is the usual malloc and free, so
// every operator delete, sized or not, still matches.
//
// Linked into the programs only, and left out of sanitizer builds, whose own operator new
// checks that each delete matches its new.
#include <cstdlib>
#include <new>

#include "core/util/big_buffer.h"

namespace {

constexpr std::size_t kAdvisedFrom = std::size_t{4} << 20;

void* allocate(std::size_t size) {
  for (;;) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
      if (size >= kAdvisedFrom) vianora::adviseHugePages(block, size);
      return block;
    }
    const std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
