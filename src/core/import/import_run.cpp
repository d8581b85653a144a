#include "core/import/import_run.h"

namespace vianora {

namespace {

// Thrown out of a progress call to leave the reader at once; importThrough catches it. The
// readers call progress only between changes to the store, so the store stays whole.
struct ReadStopped {};

// A failure that says why the file brought nothing: the file could not be read, not whole,
// or not converted.
bool isFileFailure(FailureCode code) {
  return code == FailureCode::FileNotFound || code == FailureCode::PathFileAccess ||
         code == FailureCode::OutOfMemory || code == FailureCode::GpsBabel;
}

}  // namespace

ImportOutcome importThrough(Percorsi& store, const std::string& path, const FailureSink& failures,
                            const ProgressFn& progress, const StopRequest& stopRequested,
                            const StoreFiller& fill) {
  const std::size_t firstTrip = store.nextTripIndex();
  bool fileFailed = false;
  const FailureSink noted = [&](const ImportFailure& failure) {
    fileFailed = fileFailed || isFileFailure(failure.code);
    if (failures) failures(failure);
  };
  const ProgressFn checked = [&](std::uint64_t done, std::uint64_t total) {
    if (progress) progress(done, total);
    if (stopRequested && stopRequested()) throw ReadStopped{};
  };
  bool stopped = false;
  try {
    fill(noted, checked);
  } catch (const ReadStopped&) {
    stopped = true;
  }
  store.recordSourceFile(firstTrip, path);
  if (stopped) return ImportOutcome::Stopped;
  if (store.firstTripWithPoints(firstTrip)) return ImportOutcome::Found;
  return fileFailed ? ImportOutcome::Unreadable : ImportOutcome::NothingFound;
}

}  // namespace vianora
