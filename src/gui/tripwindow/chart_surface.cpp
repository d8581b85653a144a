#include "tripwindow/chart_surface.h"

#include <QPainter>
#include <QPalette>
#include <unordered_map>

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

void ChartSurface::groupLines() {
  groups_.clear();
  const double scaleX = logicalDpiX() / kTwipsPerInch;
  const double scaleY = logicalDpiY() / kTwipsPerInch;
  for (const auto& set : picture_.lineSets) {
    std::unordered_map<std::uint64_t, std::size_t> groupOfPen;
    for (const ChartLine& line : set) {
      if (!line.visible) continue;
      const auto [at, added] = groupOfPen.try_emplace(penKey(line), groups_.size());
      if (added) groups_.push_back(PenGroup{penOf(line), {}});
      groups_[at->second].lines.append(
          QLineF(line.x1 * scaleX, line.y1 * scaleY, line.x2 * scaleX, line.y2 * scaleY));
    }
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
