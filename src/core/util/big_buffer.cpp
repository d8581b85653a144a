#include "core/util/big_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

namespace vianora {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Below a few huge pages a mapping gains nothing over the allocator.
constexpr std::size_t kMappedFrom = 4 * kHugePage;

}  // namespace

void adviseHugePages(void* data, std::size_t size) {
#ifdef MADV_HUGEPAGE
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t last = (begin + size) & ~(kHugePage - 1);
  if (last > first) {
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
  }
#else
  (void)data;
  (void)size;
#endif
}

BigBuffer::BigBuffer(std::size_t capacity) : capacity_(capacity) {
  if (capacity < kMappedFrom) {
    data_ = static_cast<char*>(::operator new(capacity == 0 ? 1 : capacity));
    return;
  }
  // One huge page more than asked, so that the room can start on a huge page's boundary.
  if (capacity > SIZE_MAX - 2 * kHugePage) throw std::bad_alloc();
  mapped_ = (capacity + 2 * kHugePage - 1) & ~(kHugePage - 1);
  void* mapping = ::mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                         -1, 0);
  if (mapping == MAP_FAILED) throw std::bad_alloc();
  mapping_ = mapping;
  const auto start = (reinterpret_cast<std::uintptr_t>(mapping) + kHugePage - 1) & ~(kHugePage - 1);
  data_ = reinterpret_cast<char*>(start);
  adviseHugePages(data_, capacity);
}

BigBuffer::~BigBuffer() { release(); }

BigBuffer::BigBuffer(BigBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      mapping_(std::exchange(other.mapping_, nullptr)),
      mapped_(std::exchange(other.mapped_, 0)) {}

BigBuffer& BigBuffer::operator=(BigBuffer&& other) noexcept {
  if (this != &other) {
    release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    mapping_ = std::exchange(other.mapping_, nullptr);
    mapped_ = std::exchange(other.mapped_, 0);
  }
  return *this;
}

void BigBuffer::resize(std::size_t size) {
  if (size > capacity_) {
    BigBuffer larger(size > capacity_ * 2 ? size : capacity_ * 2);
    if (size_ > 0) std::memcpy(larger.data_, data_, size_);
    *this = std::move(larger);
  }
  size_ = size;
}

std::size_t BigBuffer::giveBack(std::size_t from, std::size_t to) {
  if (mapping_ == nullptr) return from;
  const std::size_t first = (from + kHugePage - 1) & ~(kHugePage - 1);
  const std::size_t last = std::min(to, capacity_) & ~(kHugePage - 1);
  if (last <= first) return from;
  ::madvise(data_ + first, last - first, MADV_DONTNEED);
  return last;
}

void BigBuffer::release() {
  if (mapping_ != nullptr) {
    ::munmap(mapping_, mapped_);
  } else {
    ::operator delete(data_);
  }
  data_ = nullptr;
  mapping_ = nullptr;
  size_ = capacity_ = mapped_ = 0;
}

}  // namespace vianora
