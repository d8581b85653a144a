#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/import/reader_choice.h"

namespace vianora {

/// Reads files given together, in their order, into one store, the next ones on worker
/// threads while the caller takes the one before: each worker reads a file into a store of
/// its own (Percorsi::standingIn), which the caller's thread adds to its store when that
/// file's turn comes, then passes on the file's failures and outcome. So the store, the
/// failures and the outcomes are those of reading the files one after another with
/// importFile. A file nobody has started when its turn comes, or whose read cannot be added
/// that way, is read on the caller's thread straight into the store.
class ImportQueue {
 public:
  /// The reader for a file; called on the worker threads too, so it must not change anything.
  using ReaderChoice = std::function<ReaderKind(const std::string& path)>;

  /// Who reads the first file. While the store is empty, only a read straight into it can fill
  /// its trip 0, so it is the caller's; but a program that has not made its store yet can have
  /// it read at once into a fresh store of its own, which takes the place of the caller's
  /// store if that is still fresh when its turn comes (else it is read again, straight).
  enum class FirstFile { Caller, ReadAhead };

  /// Starts `workers` threads reading ahead (none reads every file on the caller's thread).
  /// The workers start only files past the first one.
  ImportQueue(std::vector<std::string> paths, ReaderChoice chooseReader,
              unsigned workers = workersForCores(), FirstFile first = FirstFile::Caller);
  /// Reads under way stop at their next progress call; waits for the workers to end.
  ~ImportQueue();
  ImportQueue(const ImportQueue&) = delete;
  ImportQueue& operator=(const ImportQueue&) = delete;

  /// One worker for each core; the caller's thread mostly waits.
  static unsigned workersForCores();

  /// Reads the next file into `store` (the same store at every call) as importFile does:
  /// its failures reach `failures` and its outcome is returned. While a worker reads it,
  /// progress is called about every 10 ms with that read's progress and the stop request asked
  /// after it; a stop leaves the file out and ends the queue: it reads nothing more.
  ImportOutcome importNext(Percorsi& store, const FailureSink& failures,
                           const ProgressFn& progress = {}, const StopRequest& stopRequested = {});

 private:
  // What a worker's read of one file brought.
  struct Read {
    Percorsi store;
    std::vector<ImportFailure> failures{};
    ImportOutcome outcome = ImportOutcome::Stopped;
    std::exception_ptr error{};
  };
  // One file's place: its read when done, and the progress of the read under way.
  struct Slot {
    std::optional<Read> read;
    std::atomic<std::uint64_t> done{0};
    std::atomic<std::uint64_t> total{0};
  };

  void abandon();
  void work();
  Read readAlone(std::size_t index, Percorsi store);
  bool add(Percorsi& store, std::size_t index, Percorsi&& read) const;
  std::optional<Read> waitFor(std::size_t index, const ProgressFn& progress,
                              const StopRequest& stopRequested);
  ImportOutcome replay(const Read& read, std::uint64_t total, const FailureSink& failures,
                       const ProgressFn& progress, const StopRequest& stopRequested);

  const std::vector<std::string> paths_;
  const ReaderChoice chooseReader_;
  const std::size_t lookAhead_;  // files a worker may start past the caller's
  const FirstFile first_;
  std::vector<Slot> slots_;
  std::atomic<bool> abandoned_{false};
  std::mutex mutex_;
  std::condition_variable changed_;  // a read ended, the caller moved on, or the queue ends
  std::size_t turn_ = 0;             // the file the caller takes now (guarded by mutex_)
  std::size_t nextClaim_ = 0;        // every file before it has been started (guarded by mutex_)
  std::size_t next_ = 0;             // the file of the caller's next importNext
  std::vector<std::jthread> workers_;
};

}  // namespace vianora
