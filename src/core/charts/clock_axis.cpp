#include "core/charts/clock_axis.h"

#include <cmath>
#include <iterator>
#include <map>

#include "core/charts/label_spacing.h"
#include "core/charts/progress_chart.h"

namespace vianora {
namespace {

// Grid times are sums of steps: a line at midnight may fall a rounding error short of it.
constexpr double kDayTolerance = 1e-9;

// The calendar day of a date-time, to the second as its text is written.
double dayOf(double dayNumber) { return std::floor(dayNumber + 0.5 / 86400); }

float widthOf(const ChartLabel& label) {
  return static_cast<float>(label.caption.size()) * kLabelCharacterWidth;
}

// The shown labels' spans, left edge to right edge, for placing more between them.
class ShownSpans {
 public:
  bool fits(float left, float right) const {
    const auto next = spans_.lower_bound(left);
    if (next != spans_.end() && right + kLabelSpacing > next->first) return false;
    return next == spans_.begin() || left >= std::prev(next)->second + kLabelSpacing;
  }
  void add(float left, float right) { spans_[left] = right; }

 private:
  std::map<float, float> spans_;
};

}  // namespace

std::vector<double> clockGridTimes(double t0, double from, double to, double step) {
  std::vector<double> times;
  if (!(step > 0) || !std::isfinite(t0) || !std::isfinite(from) || !std::isfinite(to)) return times;
  const double firstK = std::ceil((t0 + std::max(from, 0.0)) / step - kDayTolerance);
  const double lastK = std::floor((t0 + to) / step + kDayTolerance);
  if (!(lastK >= firstK) || lastK - firstK > static_cast<double>(kProgressMaxGridLines))
    return times;
  for (double k = firstK; k <= lastK; k += 1) {
    const double elapsed = k * step - t0;
    if (elapsed > kDayTolerance) times.push_back(elapsed);
  }
  return times;
}

void captionClockLabels(ChartPicture& picture, std::size_t first, const std::vector<double>& days,
                        double leftDay, const ClockText& text) {
  if (first + days.size() > picture.labels.size()) return;
  // The first label of each day, with its date, and the labels before the grid's.
  double previousDay = dayOf(leftDay);
  std::vector<bool> dated(days.size());
  for (std::size_t i = 0; i < days.size(); ++i) {
    ChartLabel& label = picture.labels[first + i];
    dated[i] = dayOf(days[i]) != previousDay;
    previousDay = dayOf(days[i]);
    label.caption = text(days[i], dated[i]);
    label.visible = dated[i];
  }
  thinCrowdedLabels(picture);
  ShownSpans shown;
  for (const ChartLabel& label : picture.labels)
    if (label.visible) shown.add(label.left, label.left + widthOf(label));
  // Then the times alone, where they leave room for those.
  for (std::size_t i = 0; i < days.size(); ++i) {
    ChartLabel& label = picture.labels[first + i];
    const float right = label.left + widthOf(label);
    if (dated[i] || right > picture.width || !shown.fits(label.left, right)) continue;
    label.visible = true;
    shown.add(label.left, right);
  }
}

}  // namespace vianora
