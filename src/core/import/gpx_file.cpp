#include "core/import/gpx_file.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <thread>

#include "core/import/gpx_fields.h"
#include "core/import/gpx_text.h"
#include "core/import/input_file.h"
#include "core/import/leggi_gpx.h"

namespace vianora {

namespace {

// Makes the GPX text over a file's bytes on a second thread while the file is still being
// read: each byte gives at most one character, written at or before it, so the text never
// reaches the bytes the reading is writing.
class TextBehindReading {
 public:
  TextBehindReading() = default;
  ~TextBehindReading() { end(); }
  TextBehindReading(const TextBehindReading&) = delete;
  TextBehindReading& operator=(const TextBehindReading&) = delete;

  // On the reading thread, after each piece; a null view: the bytes are about to move.
  void arrived(std::string_view readSoFar) {
    if (readSoFar.data() == nullptr) {
      abandoned_ = true;
      return end();
    }
    if (!thread_.joinable()) {
      fields_.emplace(GpxTextWriter{const_cast<char*>(readSoFar.data())});
      thread_ = std::thread([this, data = readSoFar.data()] { follow(data); });
    }
    told_.store(readSoFar.size(), std::memory_order_release);
    told_.notify_one();
  }

  // Waits for the text of every byte told, and ends it; the text's length (0 when no byte
  // came), or none when the bytes moved and the text could not be made this way.
  std::optional<std::size_t> finish() {
    end();
    if (abandoned_) return std::nullopt;
    if (!fields_) return 0;
    fields_->finish();
    return fields_->written();
  }

 private:
  static constexpr std::uint64_t kEnded = std::uint64_t{1} << 63;

  void follow(const char* data) {
    std::uint64_t prepared = 0;
    for (;;) {
      const std::uint64_t told = told_.load(std::memory_order_acquire);
      const std::uint64_t available = told & ~kEnded;
      if (available > prepared) {
        fields_->read(std::string_view(data, available), prepared, available);
        prepared = available;
      } else if ((told & kEnded) != 0) {
        return;
      } else {
        told_.wait(told, std::memory_order_acquire);
      }
    }
  }

  void end() {
    if (!thread_.joinable()) return;
    told_.fetch_or(kEnded, std::memory_order_release);
    told_.notify_one();
    thread_.join();
  }

  std::optional<GpxFieldReader<GpxTextWriter>> fields_;
  std::atomic<std::uint64_t> told_{0};  // bytes read so far, and kEnded once no more come
  bool abandoned_ = false;
  std::thread thread_;
};

// Reads the file and makes its GPX text over its bytes, the text following the reading on a
// second thread; a file that grew while it was read is read again and its text made after.
std::optional<ImportFailure> readGpxText(const std::string& path, BigBuffer& text,
                                         const ProgressFn& progress, std::size_t pieceSize) {
  std::optional<std::size_t> length;
  {
    TextBehindReading behind;
    const auto failure = readWholeFileFollowed(
        path, text, [&](std::string_view read) { behind.arrived(read); }, progress, pieceSize);
    if (failure) return failure;
    length = behind.finish();
  }
  if (length) {
    text.resize(*length);
    return std::nullopt;
  }
  // The reading moved the bytes after some were made text already.
  if (const auto failure = readWholeFile(path, text, progress)) return failure;
  prepareGpxTextInPlace(text);
  return std::nullopt;
}

}  // namespace

void prepareGpxTextInPlace(BigBuffer& bytes) {
  // Every byte gives at most one character of text, so each one is written at or before the
  // byte being read: the text never overtakes the bytes still to read.
  const std::size_t size = bytes.size();
  if (bytes.capacity() <= size) bytes.resize(size + 1);
  bytes.resize(size);
  GpxFieldReader<GpxTextWriter> fields(GpxTextWriter{bytes.data()});
  fields.read(bytes.view(), 0, size);
  fields.finish();
  bytes.resize(fields.written());
}

void LeggiGpxFile(Percorsi& store, const std::string& path, const FailureSink& failures,
                  const ProgressFn& fileProgress, const ProgressFn& textProgress,
                  std::size_t pieceSize) {
  BigBuffer text;
  try {
    if (const auto failure = readGpxText(path, text, fileProgress, pieceSize)) {
      if (failures) failures(*failure);
      return;
    }
  } catch (const std::bad_alloc&) {
    if (failures) failures(ImportFailure{.code = FailureCode::OutOfMemory});
    return;
  }
  // The file's bytes again, and where they are read up to, once a failure asks for a line.
  struct Again {
    BigBuffer bytes;
    std::optional<GpxTextLines> lines;
  };
  std::unique_ptr<Again> again;
  const GpxLineOf lineOf = [&](std::size_t at) -> std::int64_t {
    if (!again) {
      again = std::make_unique<Again>();
      if (readWholeFile(path, again->bytes)) return 0;  // the file went meanwhile
      again->lines.emplace(again->bytes.view());
    }
    return again->lines ? again->lines->lineOf(at) : 0;
  };
  LeggiGpxText(store, text.view(), lineOf, failures, textProgress);
}

}  // namespace vianora
