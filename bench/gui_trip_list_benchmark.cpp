// The trip list of a trip window over a store of 1,000,000 trips, offscreen.
//
//   TripListEntries/1M   the list's texts (core only): titles, and file names for duplicates
//   OpenTripWindow/1M    Analyzer > Analyze trip in the main window: the new window fills its
//                        trip list at load
//   UpdateTripList/1M    the "Update" button of an open trip window: the list filled again
//   ShowTripList/1M      the list dropped down and closed again, as a click on its arrow does
// Target: each window figure under 1 s. The store holds the trips of one file of empty tracks:
// one in a thousand named, all named alike, the rest "(trip N)".
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QToolButton>

#include "core/import/leggi_gpx.h"
#include "core/store/trip_titles.h"
#include "gui/app/mdi_main.h"
#include "gui/tripwindow/frm_stat_percorso.h"
#include "silent_prompts.h"

namespace {

constexpr std::size_t kTrips = 1'000'000;
constexpr std::size_t kNamedEvery = 1000;

std::string emptyTracks(std::size_t count) {
  std::string bytes = "<?xml version=\"1.0\"?>\n<gpx>\n";
  for (std::size_t i = 0; i < count; ++i) {
    // The first track is named: an unnamed trip 0 would take the next track in.
    bytes += i % kNamedEvery == 0 ? "<trk><name>Ride</name></trk>\n" : "<trk></trk>\n";
  }
  return bytes + "</gpx>\n";
}

vianora::Percorsi& bigStore() {
  static vianora::Percorsi store = [] {
    vianora::Percorsi read;
    vianora::LeggiGpx(read, emptyTracks(kTrips), {});
    read.recordSourceFile(0, "/home/user/tracks.gpx");  // as the Open command records it
    return read;
  }();
  return store;
}

bool hasEveryTrip(benchmark::State& state) {
  if (bigStore().size() == kTrips) return true;
  state.SkipWithError("the store does not hold every trip");
  return false;
}

void TripListEntries(benchmark::State& state) {
  if (!hasEveryTrip(state)) return;
  for (auto _ : state) {
    const std::vector<std::string> entries = vianora::tripListEntries(bigStore());
    benchmark::DoNotOptimize(entries.data());
  }
}

void OpenTripWindow(benchmark::State& state) {
  if (!hasEveryTrip(state)) return;
  vianora::bench::SilentPrompts prompts;
  vianora::gui::MDIMain main(bigStore(), prompts);
  main.show();
  for (auto _ : state) {
    vianora::gui::frmStatPercorso* window = main.mnuAnalisiPercorso_Click();
    state.PauseTiming();
    if (window->findChild<QComboBox*>(QStringLiteral("cmbPercorso"))->count() != int{kTrips}) {
      state.SkipWithError("the list does not hold every trip");
    }
    main.workspace()->closeAllSubWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the window goes now
    state.ResumeTiming();
  }
}

void UpdateTripList(benchmark::State& state) {
  if (!hasEveryTrip(state)) return;
  vianora::bench::SilentPrompts prompts;
  vianora::gui::frmStatPercorso window(bigStore(), prompts);
  auto* update = window.findChild<QToolButton*>(QStringLiteral("cmdRefreshPerc"));
  for (auto _ : state) {
    update->click();
  }
}

void ShowTripList(benchmark::State& state) {
  if (!hasEveryTrip(state)) return;
  vianora::bench::SilentPrompts prompts;
  vianora::gui::frmStatPercorso window(bigStore(), prompts);
  window.show();
  auto* list = window.findChild<QComboBox*>(QStringLiteral("cmbPercorso"));
  for (auto _ : state) {
    list->showPopup();
    QApplication::processEvents();
    list->hidePopup();
  }
}

}  // namespace

BENCHMARK(TripListEntries)->Name("TripListEntries/1M")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenTripWindow)->Name("OpenTripWindow/1M")->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(UpdateTripList)->Name("UpdateTripList/1M")->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(ShowTripList)->Name("ShowTripList/1M")->Unit(benchmark::kMillisecond)->MinTime(3.0);
