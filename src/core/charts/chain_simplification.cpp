#include "core/charts/chain_simplification.h"

namespace vianora {

namespace {

/// One run of a chain being simplified: the last point kept and the lines met since.
class ChainRun {
 public:
  ChainRun(std::vector<ChartLine>& out, double minStep)
      : out_(out), minSquared_(minStep * minStep) {}

  void add(const ChartLine& line) {
    if (open_ && (line.x1 != last_.x2 || line.y1 != last_.y2)) end();
    if (!open_) {
      keptX_ = line.x1;
      keptY_ = line.y1;
      open_ = true;
    }
    last_ = line;
    pending_ = true;
    const double dx = double{line.x2} - keptX_;
    const double dy = double{line.y2} - keptY_;
    if (dx * dx + dy * dy >= minSquared_) draw();
  }

  /// Ends the run at its last point, which is kept however close it lies.
  void end() {
    if (pending_) draw();
    open_ = false;
  }

 private:
  /// Draws the lines met since the last point kept as one line to the latest point.
  void draw() {
    ChartLine line = last_;
    line.x1 = keptX_;
    line.y1 = keptY_;
    out_.push_back(line);
    keptX_ = last_.x2;
    keptY_ = last_.y2;
    pending_ = false;
  }

  std::vector<ChartLine>& out_;
  double minSquared_;
  bool open_ = false;     // a run has begun and last_ is its latest line
  bool pending_ = false;  // lines met since the last point kept wait to be drawn
  float keptX_ = 0, keptY_ = 0;
  ChartLine last_;
};

}  // namespace

std::vector<ChartLine> simplifyChains(const std::vector<ChartLine>& lines, double minStep) {
  std::vector<ChartLine> simplified;
  ChainRun run(simplified, minStep);
  for (const ChartLine& line : lines) {
    if (line.visible) run.add(line);
  }
  run.end();
  return simplified;
}

}  // namespace vianora
