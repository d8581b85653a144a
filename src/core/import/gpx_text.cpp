#include "import/gpx_text.h"

#include <cstdio>
#include <memory>
#include <new>
#include <vector>

#include "import/input_file.h"

namespace vianora {

void GpxTextBuilder::feed(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    switch (state_) {
      case State::FieldStart:
        feedFieldStart(bytes[i]);
        ++i;
        break;
      case State::InField:
        i = feedInField(bytes, i);
        break;
      case State::InQuotes:
        i = feedInQuotes(bytes, i);
        break;
    }
  }
}

void GpxTextBuilder::feedFieldStart(char c) {
  const bool lineFeedOfCrLf = c == '\n' && afterCarriageReturn_;
  afterCarriageReturn_ = c == '\r';
  switch (c) {
    case ' ':
      return;  // blanks before a field are skipped
    case '"':
      state_ = State::InQuotes;
      return;
    case ',':
    case '\r':
      out_ += ' ';  // an empty field
      return;
    case '\n':
      if (!lineFeedOfCrLf) out_ += ' ';
      return;
    case '\t':
      state_ = State::InField;  // the tab itself vanishes
      return;
    default:
      state_ = State::InField;
      out_ += c;
  }
}

std::size_t GpxTextBuilder::feedInField(std::string_view bytes, std::size_t i) {
  // Copy the run of ordinary characters in one go: this is where nearly all of a file goes.
  std::size_t runStart = i;
  for (; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != ',' && c != '\r' && c != '\n' && c != '\t') continue;
    out_.append(bytes.data() + runStart, i - runStart);
    runStart = i + 1;
    if (c == '\t') continue;
    out_ += ' ';
    state_ = State::FieldStart;
    afterCarriageReturn_ = c == '\r';
    return i + 1;
  }
  out_.append(bytes.data() + runStart, i - runStart);
  return i;
}

std::size_t GpxTextBuilder::feedInQuotes(std::string_view bytes, std::size_t i) {
  std::size_t runStart = i;
  for (; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '"' && c != '\n' && c != '\t') continue;
    out_.append(bytes.data() + runStart, i - runStart);
    runStart = i + 1;
    if (c == '"') {
      state_ = State::InField;
      return i + 1;
    }
  }
  out_.append(bytes.data() + runStart, i - runStart);
  return i;
}

void GpxTextBuilder::finish() {
  if (state_ != State::FieldStart) out_ += ' ';
  state_ = State::FieldStart;
}

std::string prepareGpxText(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + 1);
  GpxTextBuilder builder(text);
  builder.feed(bytes);
  builder.finish();
  return text;
}

std::optional<ImportFailure> readGpxText(const std::string& path, std::string& text,
                                         const ProgressFn& progress) {
  text.clear();
  InputFile file(path);
  if (!file.isOpen()) return file.failure();
  try {
    // The text is never longer than the file and one blank: reserving it up front keeps the
    // peak memory near the file's size.
    text.reserve(file.size() + 1);
    GpxTextBuilder builder(text);
    ProgressThrottle throttle(progress, file.size());
    std::vector<char> buffer(InputFile::kChunkSize);
    std::size_t got = 0;
    while ((got = file.read(buffer.data(), buffer.size())) > 0) {
      builder.feed(std::string_view(buffer.data(), got));
      throttle.at(file.bytesRead());
    }
    if (file.failed()) return file.failure();
    builder.finish();
  } catch (const std::bad_alloc&) {
    return ImportFailure{ImportFailure::Shown::ByOpenCommand, FailureCode::OutOfMemory};
  }
  return std::nullopt;
}

}  // namespace vianora
