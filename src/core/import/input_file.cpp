#include "core/import/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vianora {

namespace {

// The stream of a file opened without waiting, now read as usual; null when that fails.
std::FILE* blockingStream(int fd) {
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return nullptr;
  return ::fdopen(fd, "rb");
}

}  // namespace

FailureCode failureOfOpenError(int error) {
  return error == ENOENT || error == ENOTDIR ? FailureCode::FileNotFound
                                             : FailureCode::PathFileAccess;
}

std::optional<ImportFailure> openFailureOf(const std::string& path) {
  const InputFile file(path);
  if (file.isOpen()) return std::nullopt;
  return file.failure();
}

InputFile::InputFile(const std::string& path) {
  // Opened without waiting, so that a pipe nobody writes to is refused, not waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    openFailure_ = ImportFailure{.code = failureOfOpenError(errno)};
    return;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    openFailure_ = ImportFailure{.code = failureOfOpenError(errno)};
  } else if (S_ISDIR(info.st_mode)) {  // a folder opens for reading, but holds no bytes
    openFailure_ = ImportFailure{.code = FailureCode::PathFileAccess};
  } else if (!S_ISREG(info.st_mode)) {  // a device or a pipe could give bytes for ever
    openFailure_ =
        ImportFailure{.code = FailureCode::PathFileAccess, .detail = std::string(kNotARegularFile)};
  } else {
    file_ = blockingStream(fd);
    if (!file_) openFailure_ = ImportFailure{.code = FailureCode::PathFileAccess};
  }
  if (!file_) {
    ::close(fd);
    return;
  }
  size_ = static_cast<std::uint64_t>(info.st_size);
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
  return isOpen() ? ImportFailure{.code = FailureCode::PathFileAccess} : openFailure_;
}

}  // namespace vianora
