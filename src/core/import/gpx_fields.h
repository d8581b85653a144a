#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vianora {

/// Reads the bytes of a GPX file as the comma-separated fields of its GPX text (the rules are
/// those of prepareGpxText), handing each character of text to `Out`: a writer that stores
/// the text, or a counter that only follows where in the text a byte lands. Every byte gives
/// at most one character of text. The bytes may come in pieces.
template <class Out>
class GpxFieldReader {
 public:
  explicit GpxFieldReader(Out out = {}) : out_(out) {}

  /// Reads bytes [from, to).
  void read(std::string_view bytes, std::size_t from, std::size_t to);
  /// Ends the last field, which needs no line end.
  void finish() {
    if (state_ != State::FieldStart) put(' ');
    state_ = State::FieldStart;
  }
  /// The characters of text given so far.
  std::size_t written() const { return written_; }

 private:
  enum class State { FieldStart, InField, InQuotes };

  // The characters that end or change a field, and those that vanish from it.
  static constexpr std::array<bool, 256> kBreaksField = [] {
    std::array<bool, 256> table{};
    for (unsigned char c : {',', '\r', '\n', '\t'}) table[c] = true;
    return table;
  }();

  void put(char c) { out_.put(written_++, c); }
  std::size_t fieldStart(const char* data, std::size_t r);
  std::size_t inField(const char* data, std::size_t r, std::size_t to);
  std::size_t inQuotes(const char* data, std::size_t r, std::size_t to);

  Out out_;
  std::size_t written_ = 0;
  State state_ = State::FieldStart;
  bool afterCarriageReturn_ = false;  // a line feed right after a CR belongs to the same line end
};

/// Stores the text from the start of a buffer as long as the bytes.
struct GpxTextWriter {
  char* text;
  void put(std::size_t at, char c) const { text[at] = c; }
};

/// Stores nothing: the reader only counts the characters.
struct GpxTextCounter {
  void put(std::size_t, char) const {}
};

// The member functions are compiled once, in gpx_fields.cpp, for GpxTextWriter and
// GpxTextCounter.
extern template class GpxFieldReader<GpxTextWriter>;
extern template class GpxFieldReader<GpxTextCounter>;

}  // namespace vianora
