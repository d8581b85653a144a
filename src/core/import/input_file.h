#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/import/import_failure.h"

namespace vianora {

/// The failure for a file that could not be opened, from the system's error number: 53 when
/// the file or a folder on its path is missing, 75 for the rest (no permission, a folder).
FailureCode failureOfOpenError(int error);

/// The detail of failure 75 for a path that is neither a file nor a folder: a device or a pipe.
inline constexpr std::string_view kNotARegularFile = "not a regular file";

/// Why a file cannot be read (as InputFile::failure), found without reading it and without
/// waiting on a pipe; no value when it opens.
std::optional<ImportFailure> openFailureOf(const std::string& path);

/// A regular file open for reading bytes, closed on every path when the object goes. Only
/// regular files open: a folder, a device (/dev/zero) or a pipe is refused without a byte
/// read, and a pipe without a writer is not waited for.
class InputFile {
 public:
  static constexpr std::size_t kChunkSize = 1 << 20;

  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  /// The file's size when it was opened.
  std::uint64_t size() const { return size_; }
  std::uint64_t bytesRead() const { return bytesRead_; }

  /// Reads up to count bytes; 0 at the end of the file or after a failure.
  std::size_t read(char* into, std::size_t count);
  /// True when reading stopped for another reason than the end of the file.
  bool failed() const { return failed_; }
  /// The failure to report: the cause of a failed opening (see failureOfOpenError; 75 for a
  /// folder, 75 with the detail kNotARegularFile for a device or a pipe), 75 for a failed read.
  ImportFailure failure() const;

 private:
  std::FILE* file_ = nullptr;
  std::uint64_t size_ = 0;
  std::uint64_t bytesRead_ = 0;
  bool failed_ = false;
  ImportFailure openFailure_;  // why the file did not open
};

}  // namespace vianora
