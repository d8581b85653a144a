#include "core/import/import_many.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace vianora {

namespace {

// How often the caller's progress is called while it waits: the windows stay responsive.
constexpr std::chrono::milliseconds kWaitStep{10};

}  // namespace

ImportQueue::ImportQueue(std::vector<std::string> paths, ReaderChoice chooseReader,
                         unsigned workers, FirstFile first)
    : paths_(std::move(paths)),
      chooseReader_(std::move(chooseReader)),
      lookAhead_(workers + 1),
      first_(paths_.empty() ? FirstFile::Caller : first),
      slots_(paths_.size()) {
  if (first_ == FirstFile::ReadAhead) {
    nextClaim_ = 1;
    workers_.emplace_back([this] {
      Read read = readAlone(0, Percorsi());
      std::lock_guard lock(mutex_);
      slots_[0].read = std::move(read);
      changed_.notify_all();
    });
  }
  // The workers take the files after the first, so more of them than those would idle.
  const std::size_t count = std::min<std::size_t>(workers, paths_.empty() ? 0 : paths_.size() - 1);
  for (std::size_t i = 0; i < count; ++i) workers_.emplace_back([this] { work(); });
}

ImportQueue::~ImportQueue() { abandon(); }

void ImportQueue::abandon() {
  {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
  }
  changed_.notify_all();
}

unsigned ImportQueue::workersForCores() {
  return std::max(1u, std::thread::hardware_concurrency());
}

void ImportQueue::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    // Memory stays at a few files' worth however many are given: no worker runs far ahead.
    // Only files past the caller's: the one it takes now it reads itself when nobody has.
    changed_.wait(lock, [this] {
      return abandoned_ || nextClaim_ >= paths_.size() ||
             (nextClaim_ > turn_ && nextClaim_ <= turn_ + lookAhead_);
    });
    if (abandoned_ || nextClaim_ >= paths_.size()) return;
    const std::size_t index = nextClaim_++;
    lock.unlock();
    Read read = readAlone(index, Percorsi::standingIn());
    lock.lock();
    slots_[index].read = std::move(read);
    changed_.notify_all();
  }
}

ImportQueue::Read ImportQueue::readAlone(std::size_t index, Percorsi store) {
  Slot& slot = slots_[index];
  Read read{.store = std::move(store)};
  try {
    const std::string& path = paths_[index];
    read.outcome = importFile(
        read.store, path, chooseReader_(path),
        [&](const ImportFailure& failure) { read.failures.push_back(failure); },
        [&](std::uint64_t done, std::uint64_t total) {
          slot.done = done;
          slot.total = total;
        },
        [this] { return abandoned_.load(); });
  } catch (...) {
    read.error = std::current_exception();
  }
  return read;
}

ImportOutcome ImportQueue::importNext(Percorsi& store, const FailureSink& failures,
                                      const ProgressFn& progress,
                                      const StopRequest& stopRequested) {
  if (next_ >= paths_.size() || abandoned_) return ImportOutcome::Stopped;
  const std::size_t index = next_++;
  bool mine = false;
  {
    std::lock_guard lock(mutex_);
    turn_ = index;
    mine = nextClaim_ <= index;
    if (mine) nextClaim_ = index + 1;
  }
  changed_.notify_all();
  if (!mine) {
    std::optional<Read> read = waitFor(index, progress, stopRequested);
    if (!read) return ImportOutcome::Stopped;
    if (read->error) std::rethrow_exception(read->error);
    if (add(store, index, std::move(read->store))) {
      return replay(*read, slots_[index].total, failures, progress, stopRequested);
    }
  }
  const std::string& path = paths_[index];
  return importFile(store, path, chooseReader_(path), failures, progress, stopRequested);
}

// A first file read ahead into a fresh store stands for the caller's store while that is fresh
// too; any other file's read is added as if it had been read into the store.
bool ImportQueue::add(Percorsi& store, std::size_t index, Percorsi&& read) const {
  if (index > 0 || first_ == FirstFile::Caller) return store.takeFileRead(std::move(read));
  if (!store.isFresh()) return false;
  store = std::move(read);
  return true;
}

std::optional<ImportQueue::Read> ImportQueue::waitFor(std::size_t index, const ProgressFn& progress,
                                                      const StopRequest& stopRequested) {
  Slot& slot = slots_[index];
  std::unique_lock lock(mutex_);
  while (!slot.read) {
    if (!progress && !stopRequested) {
      changed_.wait(lock);
      continue;
    }
    if (changed_.wait_for(lock, kWaitStep, [&] { return slot.read.has_value(); })) break;
    lock.unlock();
    if (progress) progress(slot.done, slot.total);
    const bool stop = stopRequested && stopRequested();
    lock.lock();
    if (stop) {
      lock.unlock();
      abandon();
      return std::nullopt;
    }
  }
  std::optional<Read> read = std::move(slot.read);
  slot.read.reset();
  return read;
}

// The failures come after the trips were added, each followed by a progress call and the stop
// request, as a read whose failures all came at its end.
ImportOutcome ImportQueue::replay(const Read& read, std::uint64_t total,
                                  const FailureSink& failures, const ProgressFn& progress,
                                  const StopRequest& stopRequested) {
  for (const ImportFailure& failure : read.failures) {
    if (failures) failures(failure);
    if (progress) progress(total, total);
    if (stopRequested && stopRequested()) {
      abandon();
      return ImportOutcome::Stopped;
    }
  }
  return read.outcome;
}

}  // namespace vianora
