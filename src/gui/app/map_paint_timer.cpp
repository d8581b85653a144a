#include "gui/app/map_paint_timer.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "gui/tripwindow/chart_surface.h"

namespace vianora::gui {

namespace {

// The map is the first of the trip window's chart surfaces (see TripCharts).
const char* const kMapSurfaceName = "pctPercorso1";

// Watches every paint of the program for the map's first one with a track on it; the line
// is printed once that paint has reached the screen, from the event loop's next turn.
class MapPaintTimer : public QObject {
 public:
  explicit MapPaintTimer(QObject* parent)
      : QObject(parent), started_(std::chrono::steady_clock::now()) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Paint && watched->objectName() == kMapSurfaceName) {
      const auto* map = qobject_cast<const ChartSurface*>(watched);
      if (map != nullptr && !map->picture().lineSets.empty()) {
        seen_ = true;
        QTimer::singleShot(0, this, [this] { report(); });
      }
    }
    return false;
  }

 private:
  void report() const {
    using namespace std::chrono;
    const auto wall = duration_cast<nanoseconds>(system_clock::now().time_since_epoch());
    const duration<double, std::milli> sinceMain = steady_clock::now() - started_;
    std::fprintf(stderr, "map painted at %lld; %.1f ms after main\n",
                 static_cast<long long>(wall.count()), sinceMain.count());
    std::fflush(stderr);
    // Ended at once: the time to free the trips is no part of showing them.
    std::_Exit(0);
  }

  std::chrono::steady_clock::time_point started_;
  bool seen_ = false;
};

}  // namespace

void quitAtFirstMapPaintIfAsked(QApplication& application) {
  if (std::getenv("VIANORA_QUIT_AT_MAP_PAINT") == nullptr) return;
  application.installEventFilter(new MapPaintTimer(&application));
}

}  // namespace vianora::gui
