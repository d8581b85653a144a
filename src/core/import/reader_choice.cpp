#include "import/reader_choice.h"

#include <array>

#include "import/gpx_text.h"
#include "import/leggi_gpx.h"
#include "import/leggi_plt.h"
#include "util/ascii.h"

namespace vianora {

namespace {

constexpr std::array<std::string_view, 4> kReaderKeys{"0", "GPX", "PLT", "*"};

void importGpx(Percorsi& store, const std::string& path, const FailureSink& failures,
               const ProgressFn& progress) {
  // Reading the file is the first half of the work, reading its text the second.
  std::uint64_t fileSize = 0;
  const ProgressFn fileProgress = [&](std::uint64_t done, std::uint64_t total) {
    fileSize = total;
    if (progress) progress(done, 2 * total);
  };
  std::string text;
  if (auto failure = readGpxText(path, text, fileProgress)) {
    if (failures) failures(*failure);
    return;
  }
  const ProgressFn textProgress = [&](std::uint64_t done, std::uint64_t total) {
    if (progress && total > 0) progress(fileSize + done * fileSize / total, 2 * fileSize);
  };
  LeggiGpx(store, text, failures, textProgress);
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

std::string fileTitle(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

void importFile(Percorsi& store, const std::string& path, ReaderKind reader,
                const FailureSink& failures, const ProgressFn& progress) {
  const std::size_t firstTrip = store.nextTripIndex();
  switch (reader) {
    case ReaderKind::Gpx:
      importGpx(store, path, failures, progress);
      break;
    case ReaderKind::Plt:
      LeggiPlt(store, path, fileTitle(path), failures, progress);
      break;
    case ReaderKind::None:
      break;
  }
  store.recordSourceFile(firstTrip, path);
}

}  // namespace vianora
