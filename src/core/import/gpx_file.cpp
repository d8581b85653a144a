#include "core/import/gpx_file.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>

#include "core/import/gpx_fields.h"
#include "core/import/gpx_text.h"
#include "core/import/input_file.h"
#include "core/import/leggi_gpx.h"

namespace vianora {

namespace {

// A GPX file's text, made on a second thread as the file is read a piece at a time, over the
// file's own bytes: each byte gives at most one character, written at or before it, so the
// text never reaches the bytes the reading is writing. The reader reads the text as far as it
// is made and gives back the memory of what it has read, so that a big file is never held
// whole and the two cores share the work.
class FileText final : public GrowingText {
 public:
  // Progress: the bytes read and the characters of text read, out of twice the file's size
  // (`size`, as it was before the file was opened, until the reading tells).
  FileText(const std::string& path, std::uint64_t size, std::size_t pieceSize,
           const ProgressFn& progress)
      : progress_(progress), fileSize_(size) {
    expected_ = size;
    thread_ = std::thread([this, path, pieceSize] { read(path, pieceSize); });
  }
  ~FileText() override {
    {
      const std::lock_guard lock(mutex_);
      stop_.store(true, std::memory_order_relaxed);
      room_.notify_one();
    }
    thread_.join();
  }
  FileText(const FileText&) = delete;
  FileText& operator=(const FileText&) = delete;

  bool grow() override {
    if (complete_) return false;
    std::unique_lock lock(mutex_);
    waiting_ = true;
    room_.notify_one();
    while (made_ == size_ && !ended_) {
      if (!progress_) {
        arrived_.wait(lock);
      } else if (arrived_.wait_for(lock, std::chrono::milliseconds(20)) == std::cv_status::timeout) {
        lock.unlock();
        reportAt(textRead_);  // a slow disk: the window still answers meanwhile
        lock.lock();
      }
    }
    waiting_ = false;
    data_ = madeData_;
    size_ = made_;
    expected_ = std::max<std::size_t>(expected_, fileSize_.load(std::memory_order_relaxed));
    complete_ = ended_;
    return true;
  }

  void release(std::size_t position) override {
    if (position <= givenBack_) return;
    givenBack_ = bytes_.giveBack(givenBack_, position);
    const std::lock_guard lock(mutex_);
    released_ = position;
    room_.notify_one();
  }

  void reportAt(std::uint64_t textRead) {
    textRead_ = textRead;
    if (!progress_) return;
    const std::uint64_t size = fileSize_.load(std::memory_order_relaxed);
    progress_(std::min(bytesRead_.load(std::memory_order_relaxed) + textRead, 2 * size), 2 * size);
  }

  // Once the text is complete: why the file could not be read, or read whole.
  const std::optional<ImportFailure>& failure() const { return failure_; }

 private:
  struct Stopped {};

  static constexpr std::size_t kLead = std::size_t{8} << 20;

  void read(const std::string& path, std::size_t pieceSize) {
    std::optional<ImportFailure> failure;
    try {
      const ProgressFn bytesProgress = [this](std::uint64_t done, std::uint64_t total) {
        bytesRead_.store(done, std::memory_order_relaxed);
        fileSize_.store(total, std::memory_order_relaxed);
      };
      failure = readWholeFileFollowed(
          path, bytes_, [this](std::string_view read) { arrived(read); }, bytesProgress, pieceSize);
      fields_.finish();
    } catch (const Stopped&) {
    } catch (...) {
      failure = ImportFailure{.code = FailureCode::OutOfMemory};
    }
    const std::lock_guard lock(mutex_);
    made_ = fields_.written();
    failure_ = failure;
    ended_ = true;
    arrived_.notify_one();
  }

  void arrived(std::string_view readSoFar) {
    if (stop_.load(std::memory_order_relaxed)) throw Stopped{};
    if (prepared_ == 0) {
      fields_ = GpxFieldReader<GpxTextWriter>(GpxTextWriter{const_cast<char*>(readSoFar.data())});
    }
    fields_.read(readSoFar, prepared_, readSoFar.size());
    prepared_ = readSoFar.size();
    std::unique_lock lock(mutex_);
    madeData_ = readSoFar.data();
    made_ = fields_.written();
    arrived_.notify_one();
    // Reading on far ahead of the reader would only take fresh memory: the pages it gives
    // back are used again when the reading waits for them, unless the reader waits too.
    room_.wait(lock, [this] {
      return made_ - std::min(made_, released_) <= kLead || waiting_ ||
             stop_.load(std::memory_order_relaxed);
    });
  }

  const ProgressFn& progress_;
  BigBuffer bytes_;
  GpxFieldReader<GpxTextWriter> fields_{GpxTextWriter{nullptr}};  // on the reading thread
  std::size_t prepared_ = 0;                                      // bytes made text so far
  std::size_t givenBack_ = 0;
  std::uint64_t textRead_ = 0;
  std::atomic<std::uint64_t> bytesRead_{0};
  std::atomic<std::uint64_t> fileSize_;
  std::atomic<bool> stop_{false};
  // Shared with the reading thread under mutex_.
  std::mutex mutex_;
  std::condition_variable arrived_;  // more text was made
  std::condition_variable room_;     // memory was given back, or the reader waits
  const char* madeData_ = nullptr;
  std::size_t made_ = 0;
  std::size_t released_ = 0;
  bool waiting_ = false;  // the reader waits for more text
  bool ended_ = false;
  std::optional<ImportFailure> failure_;
  std::thread thread_;
};

// The size of a file worth reading on two threads. A file of a few pieces is read whole before
// its text is made: a second thread would cost more than it saves. So is anything that is not
// a file, whose reading tells why.
std::optional<std::uint64_t> sizeWorthFollowing(const std::string& path, std::size_t pieceSize) {
  constexpr std::uintmax_t kPieces = 4;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size / kPieces <= pieceSize) return std::nullopt;
  return size;
}

void readWholeFirst(Percorsi& store, const std::string& path, const GpxLineOf& lineOf,
                    const FailureSink& failures, const ProgressFn& progress) {
  BigBuffer text;
  std::uint64_t size = 0;
  const ProgressFn fileProgress = [&](std::uint64_t done, std::uint64_t total) {
    size = total;
    if (progress) progress(done, 2 * total);
  };
  try {
    if (const auto failure = readWholeFile(path, text, fileProgress)) {
      if (failures) failures(*failure);
      return;
    }
    size = std::max<std::uint64_t>(size, text.size());
    prepareGpxTextInPlace(text);
  } catch (const std::bad_alloc&) {
    if (failures) failures(ImportFailure{.code = FailureCode::OutOfMemory});
    return;
  }
  const ProgressFn textProgress = [&](std::uint64_t done, std::uint64_t) {
    if (progress) progress(size + std::min(done, size), 2 * size);
  };
  LeggiGpxText(store, text.view(), lineOf, failures, textProgress);
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
                  const ProgressFn& progress, std::size_t pieceSize) {
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
  const auto size = sizeWorthFollowing(path, pieceSize);
  if (!size) return readWholeFirst(store, path, lineOf, failures, progress);
  std::optional<ImportFailure> failure;
  try {
    FileText text(path, *size, pieceSize, progress);
    const ProgressFn textProgress = [&text](std::uint64_t done, std::uint64_t) {
      text.reportAt(done);
    };
    LeggiGpxText(store, text, lineOf, failures, textProgress);
    failure = text.failure();
  } catch (const std::system_error&) {
    failure = ImportFailure{.code = FailureCode::OutOfMemory};  // no thread to read with
  }
  if (failure && failures) failures(*failure);
}

}  // namespace vianora
