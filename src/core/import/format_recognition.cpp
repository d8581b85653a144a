#include "import/format_recognition.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "util/ascii.h"

namespace vianora {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view withoutLeadingBlanks(std::string_view bytes) {
  const auto first = bytes.find_first_not_of(" \t\r\n");
  return first == std::string_view::npos ? std::string_view{} : bytes.substr(first);
}

bool firstLineHoldsOziExplorer(std::string_view bytes) {
  const std::string firstLine = upperCasedAscii(bytes.substr(0, bytes.find_first_of("\r\n")));
  return firstLine.find("OZIEXPLORER") != std::string::npos;
}

// Reads the start of a regular file; opening without blocking, so that a pipe is not waited on.
std::string firstBytesOf(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {};
  std::string bytes;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    bytes.resize(kRecognitionBytes);
    std::size_t got = 0;
    while (got < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
  }
  ::close(fd);
  return bytes;
}

}  // namespace

ReaderKind formatOfFirstBytes(std::string_view bytes) {
  std::string_view start = bytes;
  if (start.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    start.remove_prefix(kByteOrderMark.size());
  }
  start = withoutLeadingBlanks(start);
  if (startsWithIgnoringCase(start, "<?XML") || startsWithIgnoringCase(start, "<GPX")) {
    return ReaderKind::Gpx;
  }
  if (firstLineHoldsOziExplorer(bytes)) return ReaderKind::Plt;
  return ReaderKind::None;
}

ReaderKind formatOfContent(const std::string& path) {
  return formatOfFirstBytes(firstBytesOf(path));
}

}  // namespace vianora
