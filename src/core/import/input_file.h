#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/util/big_buffer.h"

namespace vianora {

// The one place where files are opened and read. Only regular files open: a folder, a device
// (/dev/zero) or a pipe is refused without a byte read, and a pipe without a writer is not
// waited for. A file that cannot be opened is failure 53 when it or a folder on its path is
// missing, 75 for the rest (no permission, a folder; with the detail kNotARegularFile for a
// device or a pipe); a failed read is 75.

/// The detail of failure 75 for a path that is neither a file nor a folder: a device or a pipe.
inline constexpr std::string_view kNotARegularFile = "not a regular file";

/// The detail of failure 7 for a file larger than the largest that is read.
inline constexpr std::string_view kFileTooLarge = "file larger than memory";

/// The largest file that is read: the computer's physical memory (no limit where it cannot be
/// told). The file's bytes alone take as much memory, and its trips more, so a larger file
/// could only end in a failed allocation half way, or in the system swapping for hours.
std::uint64_t largestReadableFile();

/// Why a file cannot be read, found without reading it; no value when it opens.
std::optional<ImportFailure> openFailureOf(const std::string& path);

/// Up to `count` bytes from the start of a file; none when it does not open.
std::string firstBytesOf(const std::string& path, std::size_t count);

/// Reads a whole file into `bytes`, calling progress with the bytes read out of the file's
/// size; the room past the bytes holds at least one byte more. A file larger than
/// `largestFile`, or one that cannot be given memory, is failure 7 (with the detail
/// kFileTooLarge for the first), found before a byte is read. The failure is returned, and
/// bytes are then empty.
std::optional<ImportFailure> readWholeFile(const std::string& path, BigBuffer& bytes,
                                           const ProgressFn& progress = {},
                                           std::uint64_t largestFile = largestReadableFile());

/// Told the bytes read so far after each piece of readWholeFileFollowed.
using BytesArrived = std::function<void(std::string_view readSoFar)>;

/// Reads a whole file as readWholeFile does, `pieceSize` bytes at a time, telling `arrived`
/// after each piece, so that another thread can work on the bytes while the rest are read.
/// The bytes never move: a file that grows while it is read is read as far as the room taken
/// at the start (its size then and an eighth more), and a read that fails part way leaves the
/// bytes read before the failure.
std::optional<ImportFailure> readWholeFileFollowed(
    const std::string& path, BigBuffer& bytes, const BytesArrived& arrived,
    const ProgressFn& progress = {}, std::size_t pieceSize = std::size_t{1} << 20,
    std::uint64_t largestFile = largestReadableFile());

/// Takes each piece of a file as it is read, with the file's size when it was opened; false
/// stops the reading.
using PieceTaker = std::function<bool(std::string_view piece, std::uint64_t fileSize)>;

/// Reads a file a piece of at most `pieceSize` bytes at a time through one buffer, so that it
/// is never held whole; the same failures as readWholeFile, returned after the pieces read.
std::optional<ImportFailure> readFileInPieces(const std::string& path, const PieceTaker& take,
                                              std::size_t pieceSize = std::size_t{1} << 20,
                                              std::uint64_t largestFile = largestReadableFile());

}  // namespace vianora
