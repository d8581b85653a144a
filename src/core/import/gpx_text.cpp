#include "core/import/gpx_text.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <limits>
#include <new>

#include "core/import/input_file.h"

namespace vianora {

namespace {

// The characters that end or change a field, and those that vanish from it.
constexpr std::array<bool, 256> breaksField = [] {
  std::array<bool, 256> table{};
  for (unsigned char c : {',', '\r', '\n', '\t'}) table[c] = true;
  return table;
}();

bool isFieldBreak(char c) { return breaksField[static_cast<unsigned char>(c)]; }

// Reads the bytes once, writing the text over them: every byte gives at most one character
// of text, so the writer never overtakes the reader. The bytes can come in pieces, as the
// file is read, so that turning them into text needs no pass of its own.
class FieldReader {
 public:
  /// Reads bytes [from, to) of data; the text so far is the start of data.
  void advance(char* data, std::size_t from, std::size_t to);
  /// Ends the last field; returns the length of the text.
  std::size_t finish(char* data);

 private:
  std::size_t fieldStart(std::size_t r);
  std::size_t inField(std::size_t r, std::size_t size);
  std::size_t inQuotes(std::size_t r, std::size_t size);

  enum class State { FieldStart, InField, InQuotes };

  char* data_ = nullptr;
  std::size_t w_ = 0;
  State state_ = State::FieldStart;
  bool afterCarriageReturn_ = false;  // a line feed right after a CR belongs to the same line end
};

void FieldReader::advance(char* data, std::size_t from, std::size_t to) {
  data_ = data;
  std::size_t r = from;
  while (r < to) {
    switch (state_) {
      case State::FieldStart:
        r = fieldStart(r);
        break;
      case State::InField:
        r = inField(r, to);
        break;
      case State::InQuotes:
        r = inQuotes(r, to);
        break;
    }
  }
}

std::size_t FieldReader::finish(char* data) {
  if (state_ != State::FieldStart) data[w_++] = ' ';  // the last field needs no line end
  state_ = State::FieldStart;
  return w_;
}

std::size_t FieldReader::fieldStart(std::size_t r) {
  const char c = data_[r];
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
      data_[w_++] = ' ';
      break;  // an empty field
    case '\n':
      if (!lineFeedOfCrLf) data_[w_++] = ' ';
      break;
    case '\t':
      state_ = State::InField;
      break;  // the tab itself vanishes
    default:
      state_ = State::InField;
      data_[w_++] = c;
  }
  return r + 1;
}

std::size_t FieldReader::inField(std::size_t r, std::size_t size) {
  for (; r < size; ++r) {
    const char c = data_[r];
    if (!isFieldBreak(c)) {
      data_[w_++] = c;
      continue;
    }
    if (c == '\t') continue;
    data_[w_++] = ' ';
    state_ = State::FieldStart;
    afterCarriageReturn_ = c == '\r';
    return r + 1;
  }
  return r;
}

std::size_t FieldReader::inQuotes(std::size_t r, std::size_t size) {
  for (; r < size; ++r) {
    const char c = data_[r];
    if (c == '"') {
      state_ = State::InField;
      return r + 1;
    }
    if (c != '\n' && c != '\t') data_[w_++] = c;
  }
  return r;
}

}  // namespace

void makeGpxText(std::string& bytes) {
  const std::size_t size = bytes.size();
  bytes.push_back(' ');  // room for the blank after the last field
  FieldReader reader;
  reader.advance(bytes.data(), 0, size);
  bytes.resize(reader.finish(bytes.data()));
}

std::string prepareGpxText(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + 1);
  text.assign(bytes);
  makeGpxText(text);
  return text;
}

std::uint64_t largestGpxFile() {
  const long pages = ::sysconf(_SC_PHYS_PAGES);
  const long pageSize = ::sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return std::numeric_limits<std::uint64_t>::max();
  return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

std::optional<ImportFailure> readGpxText(const std::string& path, std::string& text,
                                         const ProgressFn& progress, std::uint64_t largestFile) {
  text.clear();
  InputFile file(path);
  if (!file.isOpen()) return file.failure();
  if (file.size() > largestFile) {
    return ImportFailure{.code = FailureCode::OutOfMemory, .detail = std::string(kFileTooLarge)};
  }
  try {
    // One buffer holds the file and then its text: the peak memory stays near the file size.
    text.reserve(file.size() + InputFile::kChunkSize + 1);
    ProgressThrottle throttle(progress, file.size());
    FieldReader fields;
    std::size_t used = 0;
    for (;;) {
      if (used == text.size()) text.resize(used + InputFile::kChunkSize);
      const std::size_t got =
          file.read(text.data() + used, std::min(InputFile::kChunkSize, text.size() - used));
      if (got == 0) break;
      fields.advance(text.data(), used, used + got);
      used += got;
      throttle.at(file.bytesRead());
    }
    if (file.failed()) {
      text.clear();
      return file.failure();
    }
    if (used == text.size()) text.push_back(' ');  // room for the blank after the last field
    text.resize(fields.finish(text.data()));
  } catch (const std::bad_alloc&) {
    text.clear();
    return ImportFailure{.code = FailureCode::OutOfMemory};
  }
  return std::nullopt;
}

}  // namespace vianora
