#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "import/import_failure.h"
#include "import/progress.h"

namespace vianora {

/// Turns the bytes of a GPX file into the one text the GPX reader takes, reading them as
/// comma-separated fields: a field ends at a comma or a line end (CR, CR LF or a bare LF),
/// blanks before a field are skipped, a field that begins with a double quote runs to the next
/// double quote and loses both quotes (what follows the closing quote stays in the field up to
/// the next comma or line end). Each field is followed by one blank; line feeds and tabs left
/// inside fields vanish. Works in pieces, so a file can be fed as it is read.
class GpxTextBuilder {
 public:
  explicit GpxTextBuilder(std::string& out) : out_(out) {}

  /// Adds the next piece of the file.
  void feed(std::string_view bytes);
  /// Ends the last field; call once, after the last piece.
  void finish();

 private:
  enum class State { FieldStart, InField, InQuotes };

  void feedFieldStart(char c);
  std::size_t feedInField(std::string_view bytes, std::size_t i);
  std::size_t feedInQuotes(std::string_view bytes, std::size_t i);

  std::string& out_;
  State state_ = State::FieldStart;
  bool afterCarriageReturn_ = false;  // a line feed right after a CR belongs to the same line end
};

/// The GPX text of bytes already in memory.
std::string prepareGpxText(std::string_view bytes);

/// Reads a GPX file into its GPX text. A file that cannot be opened is failure 53, another
/// input/output failure 75; the failure is returned, and text then holds what was read.
std::optional<ImportFailure> readGpxText(const std::string& path, std::string& text,
                                         const ProgressFn& progress = {});

}  // namespace vianora
