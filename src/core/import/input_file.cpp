#include "import/input_file.h"

#include <sys/stat.h>

namespace vianora {

InputFile::InputFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
  if (!file_) return;
  struct stat info {};
  if (::fstat(::fileno(file_), &info) == 0 && S_ISREG(info.st_mode)) {
    size_ = static_cast<std::uint64_t>(info.st_size);
  }
}

InputFile::~InputFile() {
  if (file_) std::fclose(file_);
}

std::size_t InputFile::read(char* into, std::size_t count) {
  if (!file_ || failed_) return 0;
  const std::size_t got = std::fread(into, 1, count, file_);
  bytesRead_ += got;
  if (got < count && std::ferror(file_)) failed_ = true;
  return got;
}

ImportFailure InputFile::failure() const {
  ImportFailure failure;
  failure.code = isOpen() ? FailureCode::PathFileAccess : FailureCode::FileNotFound;
  return failure;
}

}  // namespace vianora
