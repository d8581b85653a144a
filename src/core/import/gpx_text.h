#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/import/import_failure.h"
#include "core/import/progress.h"

namespace vianora {

/// Turns the bytes of a GPX file, in place, into the one text the GPX reader takes, reading
/// them as comma-separated fields: a field ends at a comma or a line end (CR, CR LF or a bare
/// LF), blanks before a field are skipped, and a field that begins with a double quote runs to
/// the next double quote and loses both quotes (what follows the closing quote stays in the
/// field up to the next comma or line end). Each field is followed by one blank; line feeds
/// and tabs left inside fields vanish. The text never grows by more than that last blank.
void makeGpxText(std::string& bytes);

/// The GPX text of bytes already in memory.
std::string prepareGpxText(std::string_view bytes);

/// The largest GPX file that is read: the computer's physical memory (no limit where it cannot
/// be told). The file's text alone takes as much memory, and its trips more, so a larger file
/// could only end in a failed allocation half way, or in the system swapping for hours.
std::uint64_t largestGpxFile();

/// The detail of failure 7 for a file larger than the largest that is read.
inline constexpr std::string_view kFileTooLarge = "file larger than memory";

/// Reads a GPX file into its GPX text. A file that cannot be opened is failure 53, another
/// input/output failure 75; a file larger than `largestFile`, or one whose text cannot be
/// given memory, is failure 7, found before a byte is read. The failure is returned, and text
/// is then empty.
std::optional<ImportFailure> readGpxText(const std::string& path, std::string& text,
                                         const ProgressFn& progress = {},
                                         std::uint64_t largestFile = largestGpxFile());

}  // namespace vianora
