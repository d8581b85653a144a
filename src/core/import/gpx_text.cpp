#include "core/import/gpx_text.h"

#include <algorithm>

namespace vianora {

std::string prepareGpxText(std::string_view bytes) {
  std::string text(bytes.size() + 1, ' ');  // room for the blank after the last field
  GpxFieldReader<GpxTextWriter> fields(GpxTextWriter{text.data()});
  fields.read(bytes, 0, bytes.size());
  fields.finish();
  text.resize(fields.written());
  return text;
}

std::int64_t GpxTextLines::lineOf(std::size_t at) {
  if (fields_.written() > at) *this = GpxTextLines(bytes_);  // asked backward: from the start
  // In stretches that cannot reach the character, as every byte gives at most one...
  while (fields_.written() < at && read_ < bytes_.size()) {
    readTo(std::min(bytes_.size(), read_ + (at - fields_.written())));
  }
  // ...then byte by byte, up to the byte that gives it.
  while (read_ < bytes_.size()) {
    GpxFieldReader<GpxTextCounter> next = fields_;
    next.read(bytes_, read_, read_ + 1);
    if (next.written() > at) break;
    readTo(read_ + 1);
  }
  return lineEnds_ + 1;
}

void GpxTextLines::readTo(std::size_t to) {
  fields_.read(bytes_, read_, to);
  for (; read_ < to; ++read_) {
    const char c = bytes_[read_];
    const bool lineFeedFollows = read_ + 1 < bytes_.size() && bytes_[read_ + 1] == '\n';
    if (c == '\n' || (c == '\r' && !lineFeedFollows)) ++lineEnds_;
  }
}

}  // namespace vianora
