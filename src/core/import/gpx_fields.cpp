#include "core/import/gpx_fields.h"

namespace vianora {

template <class Out>
void GpxFieldReader<Out>::read(std::string_view bytes, std::size_t from, std::size_t to) {
  const char* data = bytes.data();
  std::size_t r = from;
  while (r < to) {
    switch (state_) {
      case State::FieldStart:
        r = fieldStart(data, r);
        break;
      case State::InField:
        r = inField(data, r, to);
        break;
      case State::InQuotes:
        r = inQuotes(data, r, to);
        break;
    }
  }
}

template <class Out>
std::size_t GpxFieldReader<Out>::fieldStart(const char* data, std::size_t r) {
  const char c = data[r];
  const bool lineFeedOfCrLf = c == '\n' && afterCarriageReturn_;
  afterCarriageReturn_ = c == '\r';
  switch (c) {
    case ' ':
      break;  // blanks before a field are skipped
    case '"':
      state_ = State::InQuotes;
      break;
    case ',':
    case '\r':
      put(' ');
      break;  // an empty field
    case '\n':
      if (!lineFeedOfCrLf) put(' ');
      break;
    case '\t':
      state_ = State::InField;
      break;  // the tab itself vanishes
    default:
      state_ = State::InField;
      put(c);
  }
  return r + 1;
}

// The loops below copy the writer and the count into locals: the writer stores chars, which
// may alias any member, so writing through the members would reload them for every byte.
template <class Out>
std::size_t GpxFieldReader<Out>::inField(const char* data, std::size_t r, std::size_t to) {
  const Out out = out_;
  std::size_t written = written_;
  for (; r < to; ++r) {
    const char c = data[r];
    if (!kBreaksField[static_cast<unsigned char>(c)]) {
      out.put(written++, c);
      continue;
    }
    if (c == '\t') continue;
    out.put(written++, ' ');
    written_ = written;
    state_ = State::FieldStart;
    afterCarriageReturn_ = c == '\r';
    return r + 1;
  }
  written_ = written;
  return r;
}

template <class Out>
std::size_t GpxFieldReader<Out>::inQuotes(const char* data, std::size_t r, std::size_t to) {
  const Out out = out_;
  std::size_t written = written_;
  for (; r < to; ++r) {
    const char c = data[r];
    if (c == '"') {
      written_ = written;
      state_ = State::InField;
      return r + 1;
    }
    if (c != '\n' && c != '\t') out.put(written++, c);
  }
  written_ = written;
  return r;
}

template class GpxFieldReader<GpxTextWriter>;
template class GpxFieldReader<GpxTextCounter>;

}  // namespace vianora
