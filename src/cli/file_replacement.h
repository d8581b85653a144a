#pragma once

#include <unistd.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace vianora::cli {

/// What writes bytes to an open file: ::write, or a stand-in that a test tells to fail.
using WriteCall = ssize_t (*)(int fd, const void* bytes, std::size_t count);

/// Puts `bytes` at `path` in one step: they go to a new file in the same folder (created only
/// if no file of its name exists, never through a link, mode 0644 less the umask), which is
/// then renamed over `path`. A link at `path` is replaced, its target untouched; on any failure
/// `path` keeps what it held and the new file is removed. Returns an empty text on success,
/// else "cannot write PATH: " and the system's reason.
std::string replaceFile(const std::string& path, std::string_view bytes,
                        WriteCall writeCall = ::write);

}  // namespace vianora::cli
