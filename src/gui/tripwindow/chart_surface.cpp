#include "gui/tripwindow/chart_surface.h"

#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <functional>
#include <unordered_map>
#include <utility>

namespace vianora::gui {

namespace {

QColor colourOf(Rgb colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

QPen penOf(const ChartLine& line) {
  QPen pen(colourOf(line.colour));
  pen.setWidth(line.width);
  pen.setStyle(line.style == LineStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

std::uint64_t penKey(const ChartLine& line) {
  return std::uint64_t{line.colour} << 16 | std::uint64_t{line.width} << 8 |
         static_cast<std::uint64_t>(line.style);
}

}  // namespace

ChartSurface::ChartSurface(QWidget* parent) : QWidget(parent) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  setAutoFillBackground(true);
}

void ChartSurface::setPicture(ChartPicture picture) {
  picture_ = std::move(picture);
  pictureChanged();
}

void ChartSurface::pictureChanged() {
  groupLines();
  update();
}

float ChartSurface::twipsX(int pixels) const {
  return static_cast<float>(pixels * kTwipsPerInch / logicalDpiX());
}

float ChartSurface::twipsY(int pixels) const {
  return static_cast<float>(pixels * kTwipsPerInch / logicalDpiY());
}

SurfaceSize ChartSurface::sizeInTwips() const { return {twipsX(width()), twipsY(height())}; }

namespace {

// A chain of a million segments puts hundreds of them into one pixel column, most far shorter
// than a pixel, which paint slowly and, being so short, hardly at all. The segments that stay
// inside one column are gathered into one vertical stroke over the span they cover there, in
// the colour of the last of them: the chain looks as it should and paints fast.
class ColumnGatherer {
 public:
  using Emit = std::function<void(const ChartLine&, const QLineF&)>;

  explicit ColumnGatherer(Emit sink) : emit_(std::move(sink)) {}

  void add(const ChartLine& line, const QLineF& pixels) {
    const double left = std::floor(std::min(pixels.x1(), pixels.x2()));
    const double right = std::floor(std::max(pixels.x1(), pixels.x2()));
    if (left != right) {
      flush();
      emit_(line, pixels);
      return;
    }
    if (count_ > 0 && left != column_) flush();
    if (count_ == 0) {
      column_ = left;
      top_ = std::min(pixels.y1(), pixels.y2());
      bottom_ = std::max(pixels.y1(), pixels.y2());
    }
    top_ = std::min({top_, pixels.y1(), pixels.y2()});
    bottom_ = std::max({bottom_, pixels.y1(), pixels.y2()});
    last_ = &line;
    lastPixels_ = pixels;
    ++count_;
  }

  void flush() {
    if (count_ == 1) emit_(*last_, lastPixels_);
    if (count_ > 1) {
      const double x = column_ + 0.5;
      emit_(*last_, QLineF(x, top_, x, std::max(bottom_, top_ + 1.0)));
    }
    count_ = 0;
  }

 private:
  Emit emit_;
  std::size_t count_ = 0;
  double column_ = 0, top_ = 0, bottom_ = 0;
  const ChartLine* last_ = nullptr;
  QLineF lastPixels_;
};

}  // namespace

void ChartSurface::groupLines() {
  groups_.clear();
  const double scaleX = logicalDpiX() / kTwipsPerInch;
  const double scaleY = logicalDpiY() / kTwipsPerInch;
  for (const auto& set : picture_.lineSets) {
    std::unordered_map<std::uint64_t, std::size_t> groupOfPen;
    ColumnGatherer gatherer([&](const ChartLine& line, const QLineF& pixels) {
      const auto [at, added] = groupOfPen.try_emplace(penKey(line), groups_.size());
      if (added) groups_.push_back(PenGroup{penOf(line), {}});
      groups_[at->second].lines.append(pixels);
    });
    for (const ChartLine& line : set) {
      if (!line.visible) continue;
      gatherer.add(line,
                   QLineF(line.x1 * scaleX, line.y1 * scaleY, line.x2 * scaleX, line.y2 * scaleY));
    }
    gatherer.flush();
  }
}

void ChartSurface::paintPicture(QPainter& painter) const {
  painter.setClipRect(rect());
  for (const PenGroup& group : groups_) {
    painter.setPen(group.pen);
    painter.drawLines(group.lines);
  }
  painter.setPen(palette().color(QPalette::WindowText));
  const double scaleX = logicalDpiX() / kTwipsPerInch;
  const double scaleY = logicalDpiY() / kTwipsPerInch;
  const QFontMetrics metrics(font());
  for (const ChartLabel& label : picture_.labels) {
    if (!label.visible) continue;
    painter.drawText(QPointF(label.left * scaleX, label.top * scaleY + metrics.ascent()),
                     QString::fromStdString(label.caption));
  }
}

void ChartSurface::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  paintPicture(painter);
  painter.setClipping(false);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

QImage ChartSurface::toImage() const {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font());
  paintPicture(painter);
  return image;
}

}  // namespace vianora::gui
