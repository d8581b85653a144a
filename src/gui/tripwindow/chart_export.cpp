#include "gui/tripwindow/chart_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include "core/charts/chart_overlays.h"
#include "core/charts/svg_picture.h"
#include "gui/tripwindow/chart_surface.h"

namespace vianora::gui {

namespace {

constexpr int kSvgFilter = 2;

// A tile in the drawing: its picture as PNG, or a light grey square where it is missing.
void addTile(ChartPicture& picture, const BackgroundTile& tile, const ChartSurface& surface) {
  const float left = surface.twipsX(1) * static_cast<float>(tile.place.left());
  const float top = surface.twipsY(1) * static_cast<float>(tile.place.top());
  const float width = surface.twipsX(1) * static_cast<float>(tile.place.width());
  const float height = surface.twipsY(1) * static_cast<float>(tile.place.height());
  if (tile.image.isNull()) {
    picture.boxes.insert(picture.boxes.begin(),
                         ChartBox{left, top, width, height, rgb(225, 225, 225), true, 0, 0});
    return;
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  tile.image.save(&buffer, "PNG");
  picture.images.push_back(ChartImage{left, top, width, height, png.toStdString()});
}

QString saveSvg(const ChartSurface& surface, const QString& path) {
  QSaveFile file(path);
  // What is shown: the map's tiles, the chart with its scales, legend and cursor.
  ChartPicture shown = surface.picture();
  for (const BackgroundTile& tile : surface.background()) addTile(shown, tile, surface);
  mergeOverlay(shown, surface.overlay());
  const std::string svg = svgOfPicture(shown);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(svg.data(), static_cast<qint64>(svg.size())) != static_cast<qint64>(svg.size()) ||
      !file.commit()) {
    return file.errorString();
  }
  return {};
}

QString savePng(const ChartSurface& surface, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  QImageWriter writer(&file, "png");
  if (!writer.write(surface.toImage())) return writer.errorString();
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace

QStringList chartFileFilters() {
  return {QStringLiteral("PNG picture (*.png)"), QStringLiteral("SVG drawing (*.svg)")};
}

QString saveChart(const ChartSurface& surface, QString path, int filterPosition) {
  const QString extension = QFileInfo(path).suffix().toLower();
  bool svg = filterPosition == kSvgFilter;
  if (extension == QLatin1String("svg")) svg = true;
  if (extension == QLatin1String("png")) svg = false;
  if (extension.isEmpty()) path += svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  const QString error = svg ? saveSvg(surface, path) : savePng(surface, path);
  if (error.isEmpty()) return {};
  return QStringLiteral("The chart could not be saved as\n%1\n\n%2").arg(path, error);
}

}  // namespace vianora::gui
