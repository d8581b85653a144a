#pragma once

#include <cstddef>
#include <string_view>

namespace vianora {

/// Memory for the large buffers of a read (a file's bytes, the text made of them): not filled
/// before use, and backed by huge pages where the system grants them. On a file of a hundred
/// MB, faulting in and zeroing 4 KiB pages one by one costs more than reading the file.
class BigBuffer {
 public:
  BigBuffer() = default;
  /// Room for `capacity` bytes, none of them used yet; throws std::bad_alloc.
  explicit BigBuffer(std::size_t capacity);
  ~BigBuffer();
  BigBuffer(BigBuffer&& other) noexcept;
  BigBuffer& operator=(BigBuffer&& other) noexcept;
  BigBuffer(const BigBuffer&) = delete;
  BigBuffer& operator=(const BigBuffer&) = delete;

  char* data() { return data_; }
  const char* data() const { return data_; }
  /// The bytes in use.
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  std::string_view view() const { return {data_, size_}; }
  operator std::string_view() const { return view(); }  // NOLINT: read as the bytes it holds

  /// Sets the bytes in use, keeping those up to the smaller size; grows the room (copying)
  /// beyond the capacity. Throws std::bad_alloc.
  void resize(std::size_t size);

  /// Gives the memory of the whole huge pages within bytes [from, to) back to the system, where
  /// the room was mapped; their bytes read as zeros afterwards. Only for bytes never used again.
  /// Returns where the memory given back ends (`from` when none was), for the next call.
  std::size_t giveBack(std::size_t from, std::size_t to);

 private:
  void release();

  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  void* mapping_ = nullptr;  // the whole mapping when the room was mapped, else null
  std::size_t mapped_ = 0;
};

/// Asks that the untouched memory [data, data + size) be given huge pages when first touched
/// (the whole huge pages inside it); nothing where the system has none. A hint only.
void adviseHugePages(void* data, std::size_t size);

}  // namespace vianora
