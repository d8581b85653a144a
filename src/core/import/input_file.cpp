#include "import/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vianora {

FailureCode failureOfOpenError(int error) {
  return error == ENOENT || error == ENOTDIR ? FailureCode::FileNotFound
                                             : FailureCode::PathFileAccess;
}

std::optional<ImportFailure> openFailureOf(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  int error = fd < 0 ? errno : 0;
  struct stat info {};
  if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) error = EISDIR;
  if (fd >= 0) ::close(fd);
  if (error == 0) return std::nullopt;
  ImportFailure failure;
  failure.code = failureOfOpenError(error);
  return failure;
}

InputFile::InputFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
  if (!file_) {
    openError_ = errno;
    return;
  }
  struct stat info {};
  if (::fstat(::fileno(file_), &info) != 0) return;
  if (S_ISDIR(info.st_mode)) {  // a folder opens for reading on some systems, but holds no bytes
    std::fclose(file_);
    file_ = nullptr;
    openError_ = EISDIR;
  } else if (S_ISREG(info.st_mode)) {
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
  failure.code = isOpen() ? FailureCode::PathFileAccess : failureOfOpenError(openError_);
  return failure;
}

}  // namespace vianora
