#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "import/import_failure.h"

namespace vianora {

/// A file open for reading bytes, closed on every path when the object goes.
class InputFile {
 public:
  static constexpr std::size_t kChunkSize = 1 << 20;

  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  /// The file's size when it was opened (0 where it cannot be told).
  std::uint64_t size() const { return size_; }
  std::uint64_t bytesRead() const { return bytesRead_; }

  /// Reads up to count bytes; 0 at the end of the file or after a failure.
  std::size_t read(char* into, std::size_t count);
  /// True when reading stopped for another reason than the end of the file.
  bool failed() const { return failed_; }
  /// The failure to report: 53 when the file could not be opened, 75 for a failed read.
  ImportFailure failure() const;

 private:
  std::FILE* file_ = nullptr;
  std::uint64_t size_ = 0;
  std::uint64_t bytesRead_ = 0;
  bool failed_ = false;
};

}  // namespace vianora
