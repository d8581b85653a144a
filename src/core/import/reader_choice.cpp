#include "core/import/reader_choice.h"

#include <array>
#include <span>

#include "core/import/format_recognition.h"
#include "core/import/gpx_file.h"
#include "core/import/import_run.h"
#include "core/import/input_file.h"
#include "core/import/leggi_fit.h"
#include "core/import/leggi_igc.h"
#include "core/import/plt_file.h"
#include "core/import/leggi_tcx.h"
#include "core/util/ascii.h"
#include "core/util/file_title.h"

namespace vianora {

namespace {

constexpr std::array<std::string_view, 4> kReaderKeys{"0", "GPX", "PLT", "*"};

// The formats read natively, by the name that is both their type name and their extension;
// the Open dialog lists those after GPX and PLT as filters of their own, after the first three.
struct NamedFormat {
  std::string_view name;
  ReaderKind reader;
};
constexpr std::array<NamedFormat, 5> kFormats{{{"GPX", ReaderKind::Gpx},
                                               {"PLT", ReaderKind::Plt},
                                               {"FIT", ReaderKind::Fit},
                                               {"TCX", ReaderKind::Tcx},
                                               {"IGC", ReaderKind::Igc}}};

constexpr std::size_t kFormatsOfTheFirstFilters = 2;  // GPX and PLT
constexpr int kFirstFilters = 3;                      // the filters of kOpenDialogFilter

// The formats with a filter of their own after those of kOpenDialogFilter.
constexpr std::span<const NamedFormat> kFormatsFilteredAfter =
    std::span(kFormats).subspan(kFormatsOfTheFirstFilters);

ReaderKind readerNamed(std::string_view name) {
  const std::string upper = upperCasedAscii(name);
  for (const NamedFormat& format : kFormats) {
    if (format.name == upper) return format.reader;
  }
  return ReaderKind::None;
}

// Reads the file, then hands its bytes to the reader (PLT files are read as they come);
// failures and progress are never empty here. Reading the file is the first half of the
// progress, the reader's work the second.
void read(Percorsi& store, const std::string& path, ReaderKind reader, const FailureSink& failures,
          const ProgressFn& progress) {
  constexpr std::uint64_t kHalves = 2;  // reading the file, then reading its bytes
  if (reader == ReaderKind::Plt) {
    // Read a piece at a time: the two halves go on together. A PLT file's trip is added and
    // named even when the file cannot be read.
    const ProgressFn bothHalves = [&](std::uint64_t done, std::uint64_t total) {
      progress(kHalves * done, kHalves * total);
    };
    return LeggiPltFile(store, path, fileTitle(path), failures, bothHalves);
  }
  if (reader == ReaderKind::Gpx) {
    // Read a piece at a time too; its progress counts both halves already.
    return LeggiGpxFile(store, path, failures, progress);
  }
  std::uint64_t size = 0;  // the file's, once reading it has begun
  const ProgressFn fileProgress = [&](std::uint64_t done, std::uint64_t total) {
    size = total;
    progress(done, kHalves * total);
  };
  const ProgressFn readerProgress = [&](std::uint64_t done, std::uint64_t total) {
    if (total == 0) return;
    // In doubles: the product of two sizes of some GB does not fit 64 bits.
    const double share = static_cast<double>(done) / static_cast<double>(total);
    progress(size + static_cast<std::uint64_t>(share * static_cast<double>(size)), kHalves * size);
  };
  BigBuffer bytes;
  const auto failure = readWholeFile(path, bytes, fileProgress);
  size = bytes.size();
  if (failure) return failures(*failure);
  switch (reader) {
    case ReaderKind::Fit:
      return LeggiFit(store, bytes, failures, readerProgress);
    case ReaderKind::Tcx:
      return LeggiTcx(store, bytes, failures, readerProgress);
    case ReaderKind::Igc:
      return LeggiIgc(store, bytes, failures, readerProgress);
    case ReaderKind::None:
    case ReaderKind::Gpx:
    case ReaderKind::Plt:
      return;  // none, or read above
  }
}

ImportOutcome withoutReader(const std::string& path, const FailureSink& failures) {
  const auto failure = openFailureOf(path);
  if (!failure) return ImportOutcome::NotRecognised;
  if (failures) failures(*failure);
  return ImportOutcome::Unreadable;
}

}  // namespace

std::vector<std::string> openDialogFilters() {
  std::string patterns;
  for (const NamedFormat& format : kFormats) {
    patterns += (patterns.empty() ? "*." : " *.") + lowerCasedAscii(format.name);
  }
  std::vector<std::string> filters{"All track files (" + patterns + ")"};
  // kOpenDialogFilter pairs descriptions and patterns: every other part is a description.
  std::string_view rest = kOpenDialogFilter;
  for (bool description = true; !rest.empty(); description = !description) {
    const auto bar = rest.find('|');
    if (description) filters.emplace_back(rest.substr(0, bar));
    rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
  }
  for (const NamedFormat& format : kFormatsFilteredAfter) {
    filters.push_back(std::string(format.name) + " (*." + lowerCasedAscii(format.name) + ")");
  }
  return filters;
}

ReaderKind readerOfOpenFilter(int position) {
  if (position >= 2 && position <= 1 + kFirstFilters) {
    return readerOfKey(readerKeyOfFilter(position - 1));
  }
  const int after = position - 2 - kFirstFilters;
  if (after >= 0 && after < static_cast<int>(kFormatsFilteredAfter.size())) {
    return kFormatsFilteredAfter[static_cast<std::size_t>(after)].reader;
  }
  return ReaderKind::None;
}

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
  return readerNamed(std::string_view(name).substr(dot + 1));
}

std::optional<ReaderKind> readerOfTypeName(std::string_view type) {
  const ReaderKind reader = readerNamed(type);
  if (reader == ReaderKind::None) return std::nullopt;
  return reader;
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
      return "not a GPX, OziExplorer PLT, FIT, TCX or IGC file.";
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
  return importThrough(store, path, failures, progress, stopRequested,
                       [&](const FailureSink& noted, const ProgressFn& checked) {
                         read(store, path, reader, noted, checked);
                       });
}

}  // namespace vianora
