#include "core/import/reader_choice.h"

#include <array>

#include "core/import/format_recognition.h"
#include "core/import/input_file.h"
#include "core/import/leggi_gpx.h"
#include "core/import/leggi_plt.h"
#include "core/util/ascii.h"
#include "core/util/file_title.h"

namespace vianora {

namespace {

constexpr std::array<std::string_view, 4> kReaderKeys{"0", "GPX", "PLT", "*"};

// Thrown out of a progress call to leave the reader at once; importFile catches it. The
// readers call progress only between changes to the store, so the store stays whole.
struct ReadStopped {};

// Reads the file, then hands its bytes to the reader; failures and progress are never empty
// here. Reading the file is the first half of the progress, the reader's work the second.
void read(Percorsi& store, const std::string& path, ReaderKind reader, const FailureSink& failures,
          const ProgressFn& progress) {
  constexpr std::uint64_t kHalves = 2;  // reading the file, then reading its bytes
  const ProgressFn fileProgress = [&](std::uint64_t done, std::uint64_t total) {
    progress(done, kHalves * total);
  };
  std::string bytes;
  const auto failure = readWholeFile(path, bytes, fileProgress);
  const std::uint64_t size = bytes.size();
  const ProgressFn readerProgress = [&](std::uint64_t done, std::uint64_t total) {
    if (total == 0) return;
    // In doubles: the product of two sizes of some GB does not fit 64 bits.
    const double share = static_cast<double>(done) / static_cast<double>(total);
    progress(size + static_cast<std::uint64_t>(share * static_cast<double>(size)), kHalves * size);
  };
  if (reader == ReaderKind::Gpx) {
    if (failure) return failures(*failure);
    return LeggiGpx(store, bytes, failures, readerProgress);
  }
  // A PLT file's trip is added and named even when the file cannot be read.
  LeggiPlt(store, bytes, fileTitle(path), failures, readerProgress);
  if (failure) failures(*failure);
}

// A failure that says why the file brought nothing: the file could not be read, or not whole.
bool isFileFailure(FailureCode code) {
  return code == FailureCode::FileNotFound || code == FailureCode::PathFileAccess ||
         code == FailureCode::OutOfMemory;
}

ImportOutcome withoutReader(const std::string& path, const FailureSink& failures) {
  const auto failure = openFailureOf(path);
  if (!failure) return ImportOutcome::NotRecognised;
  if (failures) failures(*failure);
  return ImportOutcome::Unreadable;
}

}  // namespace

std::string_view readerKeyOfFilter(int position) {
  if (position < 0 || position >= static_cast<int>(kReaderKeys.size())) return kReaderKeys[0];
  return kReaderKeys[static_cast<std::size_t>(position)];
}

ReaderKind readerOfKey(std::string_view key) {
  if (key == "GPX") return ReaderKind::Gpx;
  if (key == "PLT") return ReaderKind::Plt;
  return ReaderKind::None;
}

ReaderKind readerOfExtension(std::string_view path) {
  const std::string name = fileTitle(path);
  const auto dot = name.rfind('.');
  if (dot == std::string::npos) return ReaderKind::None;
  const std::string extension = upperCasedAscii(std::string_view(name).substr(dot));
  if (extension == ".GPX") return ReaderKind::Gpx;
  if (extension == ".PLT") return ReaderKind::Plt;
  return ReaderKind::None;
}

std::optional<ReaderKind> readerOfTypeName(std::string_view type) {
  const std::string upper = upperCasedAscii(type);
  if (upper == "GPX") return ReaderKind::Gpx;
  if (upper == "PLT") return ReaderKind::Plt;
  return std::nullopt;
}

ReaderKind readerForFile(ReaderKind picked, const std::string& path) {
  const ReaderKind byContent = formatOfContent(path);
  if (byContent != ReaderKind::None) return byContent;
  if (picked != ReaderKind::None) return picked;
  return readerOfExtension(path);
}

std::string_view outcomeDescription(ImportOutcome outcome) {
  switch (outcome) {
    case ImportOutcome::NothingFound:
      return "no track or route was found.";
    case ImportOutcome::NotRecognised:
      return "not a GPX or OziExplorer PLT file.";
    case ImportOutcome::Found:
    case ImportOutcome::Unreadable:
    case ImportOutcome::Stopped:
      break;
  }
  return {};
}

ImportOutcome importFile(Percorsi& store, const std::string& path, ReaderKind reader,
                         const FailureSink& failures, const ProgressFn& progress,
                         const StopRequest& stopRequested) {
  if (reader == ReaderKind::None) return withoutReader(path, failures);
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
    read(store, path, reader, noted, checked);
  } catch (const ReadStopped&) {
    stopped = true;
  }
  store.recordSourceFile(firstTrip, path);
  if (stopped) return ImportOutcome::Stopped;
  if (store.firstTripWithPoints(firstTrip)) return ImportOutcome::Found;
  return fileFailed ? ImportOutcome::Unreadable : ImportOutcome::NothingFound;
}

}  // namespace vianora
