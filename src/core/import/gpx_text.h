#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "import/import_failure.h"
#include "import/progress.h"

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

/// Reads a GPX file into its GPX text. A file that cannot be opened is failure 53, another
/// input/output failure 75; the failure is returned, and text is then empty.
std::optional<ImportFailure> readGpxText(const std::string& path, std::string& text,
                                         const ProgressFn& progress = {});

}  // namespace vianora
