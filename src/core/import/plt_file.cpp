#include "core/import/plt_file.h"

#include <optional>
#include <vector>

#include "core/import/input_file.h"
#include "core/import/leggi_plt.h"

namespace vianora {

namespace {

// A PLT line is rarely shorter than this: the points' room is a guess from the file's size
// (room never touched takes no memory; a guess too small only lets the points grow).
constexpr std::uint64_t kShortPointLine = 16;

}  // namespace

void LeggiPltFile(Percorsi& store, const std::string& path, const std::string& name,
                  const FailureSink& failures, const ProgressFn& progress) {
  // The reader's failures wait for the end: a file that fails to read half way is reported
  // as if none of it had been read.
  std::vector<ImportFailure> readerFailures;
  const FailureSink held = [&](const ImportFailure& failure) { readerFailures.push_back(failure); };
  std::optional<PltPieces> pieces;
  const auto start = [&](std::uint64_t size) {
    if (!pieces) pieces.emplace(store, name, held, size, size / kShortPointLine + 1, progress);
  };
  const auto fileFailure = readFileInPieces(path, [&](std::string_view piece, std::uint64_t size) {
    start(size);
    return pieces->read(piece);
  });
  start(0);
  pieces->finish();
  if (fileFailure) {
    store.resetPoints();
    if (failures) failures(*fileFailure);
    return;
  }
  if (failures) {
    for (const ImportFailure& failure : readerFailures) failures(failure);
  }
}

}  // namespace vianora
