#include "core/charts/column_gathering.h"

#include <algorithm>
#include <cmath>

namespace vianora {

namespace {

/// A stroke stands halfway across its column.
constexpr double kColumnMiddle = 0.5;

/// The lines met so far in one column, waiting for the chain to leave it.
class ColumnRun {
 public:
  ColumnRun(std::vector<ChartLine>& out, double columnWidth) : out_(out), width_(columnWidth) {}

  void add(const ChartLine& line) {
    const double left = std::floor(std::min(line.x1, line.x2) / width_);
    const double right = std::floor(std::max(line.x1, line.x2) / width_);
    if (left != right) {
      flush();
      out_.push_back(line);
      return;
    }
    if (count_ > 0 && left != column_) flush();
    if (count_ == 0) {
      column_ = left;
      top_ = bottom_ = line.y1;
    }
    top_ = std::min({top_, double{line.y1}, double{line.y2}});
    bottom_ = std::max({bottom_, double{line.y1}, double{line.y2}});
    last_ = line;
    ++count_;
  }

  void flush() {
    if (count_ == 1) out_.push_back(last_);
    if (count_ > 1) out_.push_back(stroke());
    count_ = 0;
  }

 private:
  ChartLine stroke() const {
    const double pen = last_.width * kTwipsPerPixel;
    double top = top_;
    double bottom = bottom_;
    if (bottom - top < pen) {
      const double middle = (top + bottom) / 2;
      top = middle - pen / 2;
      bottom = middle + pen / 2;
    }
    ChartLine line = last_;
    line.x1 = line.x2 = static_cast<float>((column_ + kColumnMiddle) * width_);
    line.y1 = static_cast<float>(top);
    line.y2 = static_cast<float>(bottom);
    return line;
  }

  std::vector<ChartLine>& out_;
  double width_;
  std::size_t count_ = 0;
  double column_ = 0;
  double top_ = 0, bottom_ = 0;  // the span the run covers
  ChartLine last_;
};

}  // namespace

std::vector<ChartLine> gatherColumns(const std::vector<ChartLine>& lines, double columnWidth) {
  std::vector<ChartLine> gathered;
  ColumnRun run(gathered, columnWidth);
  for (const ChartLine& line : lines) {
    if (line.visible) run.add(line);
  }
  run.flush();
  return gathered;
}

}  // namespace vianora
