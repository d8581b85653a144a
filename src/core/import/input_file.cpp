#include "core/import/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <new>

namespace vianora {

namespace {

constexpr std::size_t kChunkSize = std::size_t{1} << 20;

FailureCode failureOfOpenError(int error) {
  return error == ENOENT || error == ENOTDIR ? FailureCode::FileNotFound
                                             : FailureCode::PathFileAccess;
}

// A regular file open for reading bytes, closed on every path when the object goes.
class InputFile {
 public:
  explicit InputFile(const std::string& path);
  ~InputFile() {
    if (file_) std::fclose(file_);
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  std::uint64_t size() const { return size_; }  // when it was opened
  const ImportFailure& openFailure() const { return openFailure_; }

  // Reads up to count bytes; 0 at the end of the file or after a failure.
  std::size_t read(char* into, std::size_t count) {
    const std::size_t got = std::fread(into, 1, count, file_);
    if (got < count && std::ferror(file_)) failed_ = true;
    return got;
  }
  bool failed() const { return failed_; }

 private:
  std::FILE* file_ = nullptr;
  std::uint64_t size_ = 0;
  bool failed_ = false;
  ImportFailure openFailure_;
};

// The stream of a file opened without waiting, now read as usual; null when that fails.
std::FILE* blockingStream(int fd) {
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return nullptr;
  return ::fdopen(fd, "rb");
}

InputFile::InputFile(const std::string& path) {
  // Opened without waiting, so that a pipe nobody writes to is refused, not waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    openFailure_.code = failureOfOpenError(errno);
    return;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    openFailure_.code = failureOfOpenError(errno);
  } else if (S_ISDIR(info.st_mode)) {  // a folder opens for reading, but holds no bytes
    openFailure_.code = FailureCode::PathFileAccess;
  } else if (!S_ISREG(info.st_mode)) {  // a device or a pipe could give bytes for ever
    openFailure_.code = FailureCode::PathFileAccess;
    openFailure_.detail = kNotARegularFile;
  } else {
    file_ = blockingStream(fd);
    openFailure_.code = FailureCode::PathFileAccess;  // only if the stream failed
  }
  if (!file_) {
    ::close(fd);
    return;
  }
  size_ = static_cast<std::uint64_t>(info.st_size);
}

// Why a file is not read at all: it did not open, or it is larger than `largestFile`.
std::optional<ImportFailure> refusal(const InputFile& file, std::uint64_t largestFile) {
  if (!file.isOpen()) return file.openFailure();
  if (file.size() > largestFile) {
    return ImportFailure{.code = FailureCode::OutOfMemory, .detail = std::string(kFileTooLarge)};
  }
  return std::nullopt;
}

}  // namespace

std::uint64_t largestReadableFile() {
  const long pages = ::sysconf(_SC_PHYS_PAGES);
  const long pageSize = ::sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return std::numeric_limits<std::uint64_t>::max();
  return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

std::optional<ImportFailure> openFailureOf(const std::string& path) {
  const InputFile file(path);
  if (file.isOpen()) return std::nullopt;
  return file.openFailure();
}

std::string firstBytesOf(const std::string& path, std::size_t count) {
  InputFile file(path);
  if (!file.isOpen()) return {};
  std::string bytes(count, '\0');
  bytes.resize(file.read(bytes.data(), bytes.size()));
  return bytes;
}

namespace {

// Reads a file into `bytes` a piece at a time. With fixed room the bytes never move: a file
// that grows past the room taken at the start is read as far as that room, and a failure part
// way leaves the bytes read before it; else the room grows, and a failure empties it.
std::optional<ImportFailure> readInto(const std::string& path, BigBuffer& bytes,
                                      const BytesArrived& arrived, const ProgressFn& progress,
                                      std::size_t pieceSize, std::uint64_t largestFile,
                                      bool fixedRoom) {
  bytes = BigBuffer();
  InputFile file(path);
  if (auto refused = refusal(file, largestFile)) return refused;
  pieceSize = std::max<std::size_t>(pieceSize, 1);
  try {
    // One byte more than the size, so that the end is seen without growing.
    const std::size_t size = file.size();
    bytes = BigBuffer(fixedRoom ? size + std::min(size / 8, std::size_t{1} << 30) + 1 : size + 1);
  } catch (const std::bad_alloc&) {
    return ImportFailure{.code = FailureCode::OutOfMemory};
  }
  try {
    ProgressThrottle throttle(progress, file.size());
    std::size_t used = 0;
    for (;;) {
      if (used == bytes.capacity()) {
        if (fixedRoom) break;
        bytes.resize(used + std::max(kChunkSize, pieceSize));
      }
      const std::size_t room = std::min(pieceSize, bytes.capacity() - used);
      bytes.resize(used + room);
      const std::size_t got = file.read(bytes.data() + used, room);
      used += got;
      bytes.resize(used);
      if (got == 0) break;
      if (arrived) arrived(std::string_view(bytes.data(), used));
      throttle.at(used);
    }
  } catch (const std::bad_alloc&) {
    bytes = BigBuffer();
    return ImportFailure{.code = FailureCode::OutOfMemory};
  }
  if (file.failed()) {
    if (!fixedRoom) bytes = BigBuffer();
    return ImportFailure{.code = FailureCode::PathFileAccess};
  }
  return std::nullopt;
}

}  // namespace

std::optional<ImportFailure> readWholeFile(const std::string& path, BigBuffer& bytes,
                                           const ProgressFn& progress, std::uint64_t largestFile) {
  return readInto(path, bytes, {}, progress, kChunkSize, largestFile, false);
}

std::optional<ImportFailure> readWholeFileFollowed(const std::string& path, BigBuffer& bytes,
                                                   const BytesArrived& arrived,
                                                   const ProgressFn& progress,
                                                   std::size_t pieceSize,
                                                   std::uint64_t largestFile) {
  return readInto(path, bytes, arrived, progress, pieceSize, largestFile, true);
}

std::optional<ImportFailure> readFileInPieces(const std::string& path, const PieceTaker& take,
                                              std::size_t pieceSize, std::uint64_t largestFile) {
  InputFile file(path);
  if (auto refused = refusal(file, largestFile)) return refused;
  std::string buffer;
  try {
    buffer.resize(pieceSize == 0 ? 1 : pieceSize);
  } catch (const std::bad_alloc&) {
    return ImportFailure{.code = FailureCode::OutOfMemory};
  }
  for (;;) {
    const std::size_t got = file.read(buffer.data(), buffer.size());
    if (got == 0 || !take(std::string_view(buffer.data(), got), file.size())) break;
  }
  if (file.failed()) return ImportFailure{.code = FailureCode::PathFileAccess};
  return std::nullopt;
}

}  // namespace vianora
