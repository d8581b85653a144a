#include "cli/file_replacement.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace vianora::cli {

namespace {

constexpr mode_t kFileMode = 0644;
constexpr int kNameAttempts = 100;  // names taken by other files before giving up

std::string cannotWrite(const std::string& path, int error) {
  return "cannot write " + path + ": " + std::strerror(error);
}

/// Opens a new file beside `path` under a name no file has yet; -1 with errno set when none
/// could be made.
int createTemporary(const std::string& path, std::string& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    temporary = path + ".tmp-" + std::to_string(random());
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

/// Writes every byte, going on after short writes; 0, or the error that stopped it.
int writeAll(int fd, std::string_view bytes, WriteCall writeCall) {
  while (!bytes.empty()) {
    const ssize_t written = writeCall(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;  // no progress and no reason: do not spin
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace

std::string replaceFile(const std::string& path, std::string_view bytes, WriteCall writeCall) {
  std::string temporary;
  const int fd = createTemporary(path, temporary);
  if (fd < 0) return cannotWrite(path, errno);
  int error = writeAll(fd, bytes, writeCall);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error == 0) return {};
  ::unlink(temporary.c_str());
  return cannotWrite(path, error);
}

}  // namespace vianora::cli
