#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/import/gpx_fields.h"

namespace vianora {

/// The one text the GPX reader takes, made of the bytes of a GPX file read as comma-separated
/// fields: a field ends at a comma or a line end (CR, CR LF or a bare LF), blanks before a
/// field are skipped, and a field that begins with a double quote runs to the next double
/// quote and loses both quotes (what follows the closing quote stays in the field up to the
/// next comma or line end). Each field is followed by one blank; line feeds and tabs left
/// inside fields vanish. The text is never longer than the bytes and that last blank.
std::string prepareGpxText(std::string_view bytes);

/// Tells the line of a GPX file that a place in its GPX text came from, by reading the bytes
/// again up to there: nothing is counted while the text is read, only when a failure asks.
/// Places asked for one after another mostly move forward, so reading goes on from the last.
class GpxTextLines {
 public:
  explicit GpxTextLines(std::string_view bytes) : bytes_(bytes) {}

  /// The line, from 1, of the byte that gave the text's character at `at` (CR, CR LF and a
  /// bare LF end a line); past the last such byte, the line after the last line end.
  std::int64_t lineOf(std::size_t at);

 private:
  void readTo(std::size_t to);

  std::string_view bytes_;
  GpxFieldReader<GpxTextCounter> fields_;
  std::size_t read_ = 0;       // bytes read again so far
  std::int64_t lineEnds_ = 0;  // line ends among them
};

}  // namespace vianora
