#include "gui/tripwindow/chart_surface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <functional>
#include <unordered_map>
#include <utility>

#include "core/charts/chain_simplification.h"

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

// A map tile whose picture has not come (or will not).
constexpr QRgb kMissingTile = qRgb(225, 225, 225);

// Sets of more lines than this are thinned to a pixel's steps before they are painted.
constexpr std::size_t kLeastLinesThinned = 50'000;

// A wheel notch is 120 eighths of a degree.
constexpr double kAnglePerNotch = 120.0;

void paintBox(QPainter& painter, const ChartBox& box, double scaleX, double scaleY) {
  QPen pen(colourOf(box.border));
  pen.setWidth(box.borderWidth);
  painter.setPen(box.borderWidth > 0 ? pen : QPen(Qt::NoPen));
  QColor fill = colourOf(box.fill);
  fill.setAlpha(box.fillAlpha);
  painter.setBrush(box.filled ? QBrush(fill) : QBrush(Qt::NoBrush));
  const QRectF rect(box.left * scaleX, box.top * scaleY, box.width * scaleX, box.height * scaleY);
  if (box.shape == BoxShape::Ellipse)
    painter.drawEllipse(rect);
  else
    painter.drawRect(rect);
}

void paintLabels(QPainter& painter, const std::vector<ChartLabel>& labels, double scaleX,
                 double scaleY, const QColor& colour) {
  painter.setPen(colour);
  const QFontMetrics metrics(painter.font());
  for (const ChartLabel& label : labels) {
    if (!label.visible) continue;
    painter.drawText(QPointF(label.left * scaleX, label.top * scaleY + metrics.ascent()),
                     QString::fromStdString(label.caption));
  }
}

}  // namespace

ChartSurface::ChartSurface(QWidget* parent)
    : QWidget(parent), picture_(std::make_shared<const ChartPicture>()) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  setAutoFillBackground(true);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void ChartSurface::setBackground(std::vector<BackgroundTile> tiles) {
  background_ = std::move(tiles);
  painted_ = QPixmap();
  update();
}

void ChartSurface::setOverlay(ChartPicture overlay) {
  overlay_ = std::move(overlay);
  update();
}

QPointF ChartSurface::twipsAt(QPointF pixels) const {
  return {pixels.x() * kTwipsPerInch / logicalDpiX(), pixels.y() * kTwipsPerInch / logicalDpiY()};
}

void ChartSurface::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = twipsAt(event->position());
  if (pressedAt_ && (event->buttons() & Qt::LeftButton))
    emit dragged(*pressedAt_, at);
  else
    emit hovered(at);
}

void ChartSurface::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressedAt_ = twipsAt(event->position());
  QWidget::mousePressEvent(event);
}

void ChartSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressedAt_) {
    const QPointF from = *pressedAt_;
    pressedAt_.reset();
    emit dragFinished(from, twipsAt(event->position()));
  }
}

void ChartSurface::mouseDoubleClickEvent(QMouseEvent* event) {
  pressedAt_.reset();
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void ChartSurface::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kAnglePerNotch;
  if (notches != 0) emit wheelTurned(twipsAt(event->position()), notches);
  event->accept();
}

void ChartSurface::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
      emit keyPressed(event->key());
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void ChartSurface::setPicture(std::shared_ptr<const ChartPicture> picture) {
  picture_ = picture != nullptr ? std::move(picture) : std::make_shared<const ChartPicture>();
  groups_.clear();
  grouped_ = false;
  painted_ = QPixmap();
  update();
}

void ChartSurface::setPicture(ChartPicture picture) {
  setPicture(std::make_shared<const ChartPicture>(std::move(picture)));
}

void ChartSurface::resizeEvent(QResizeEvent* event) {
  painted_ = QPixmap();
  QWidget::resizeEvent(event);
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

void ChartSurface::groupLines() const {
  groups_.clear();
  grouped_ = true;
  const double scaleX = logicalDpiX() / kTwipsPerInch;
  const double scaleY = logicalDpiY() / kTwipsPerInch;
  for (const auto& set : picture_->lineSets) {
    std::unordered_map<std::uint64_t, std::size_t> groupOfPen;
    // Neighbouring segments mostly share a pen: the last one's group is tried first.
    std::uint64_t lastKey = ~std::uint64_t{0};
    std::size_t lastGroup = 0;
    ColumnGatherer gatherer([&](const ChartLine& line, const QLineF& pixels) {
      const std::uint64_t key = penKey(line);
      if (key != lastKey) {
        const auto [at, added] = groupOfPen.try_emplace(key, groups_.size());
        if (added) groups_.push_back(PenGroup{penOf(line), {}});
        lastKey = key;
        lastGroup = at->second;
      }
      groups_[lastGroup].lines.append(pixels);
    });
    // A long chain keeps only points a pixel or more apart: what shows does not change, and
    // a map of a million points over tiles paints in half the time.
    const std::vector<ChartLine> thinned = thinChains_ && set.size() > kLeastLinesThinned
                                               ? simplifyChains(set, kTwipsPerInch / logicalDpiX())
                                               : std::vector<ChartLine>{};
    for (const ChartLine& line : thinned.empty() ? set : thinned) {
      if (!line.visible) continue;
      gatherer.add(line,
                   QLineF(line.x1 * scaleX, line.y1 * scaleY, line.x2 * scaleX, line.y2 * scaleY));
    }
    gatherer.flush();
  }
}

void ChartSurface::paintPicture(QPainter& painter) const {
  painter.setClipRect(rect());
  paintLines(painter);
  paintOverlay(painter);
}

void ChartSurface::paintLines(QPainter& painter) const {
  const double scaleX = logicalDpiX() / kTwipsPerInch;
  const double scaleY = logicalDpiY() / kTwipsPerInch;
  for (const BackgroundTile& tile : background_) {
    if (tile.image.isNull())
      painter.fillRect(tile.place, QColor(kMissingTile));
    else
      painter.drawImage(tile.place, tile.image);
  }
  for (const ChartBox& box : picture_->boxes) paintBox(painter, box, scaleX, scaleY);
  if (!grouped_) groupLines();
  for (const PenGroup& group : groups_) {
    painter.setPen(group.pen);
    painter.drawLines(group.lines);
  }
  paintLabels(painter, picture_->labels, scaleX, scaleY, palette().color(QPalette::WindowText));
}

// The overlay holds a few dozen lines: painted one by one, antialiased, over the picture.
void ChartSurface::paintOverlay(QPainter& painter) const {
  const double scaleX = logicalDpiX() / kTwipsPerInch;
  const double scaleY = logicalDpiY() / kTwipsPerInch;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const ChartBox& box : overlay_.boxes) paintBox(painter, box, scaleX, scaleY);
  for (const auto& set : overlay_.lineSets) {
    for (const ChartLine& line : set) {
      if (!line.visible) continue;
      painter.setPen(penOf(line));
      painter.drawLine(
          QLineF(line.x1 * scaleX, line.y1 * scaleY, line.x2 * scaleX, line.y2 * scaleY));
    }
  }
  painter.restore();
  paintLabels(painter, overlay_.labels, scaleX, scaleY, palette().color(QPalette::WindowText));
}

void ChartSurface::paintEvent(QPaintEvent* /*event*/) {
  if (painted_.size() != size()) {
    painted_ = QPixmap(size());
    painted_.fill(palette().color(QPalette::Window));
    QPainter lines(&painted_);
    lines.setFont(font());
    paintLines(lines);
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, painted_);
  paintOverlay(painter);
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
