#include "gui/tripwindow/map_background.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "gui/import/user_prompts.h"
#include "gui/tiles/mbtiles_source.h"
#include "gui/tiles/online_tile_source.h"
#include "gui/tiles/tile_layer.h"

namespace vianora::gui {

namespace {

enum Choice { kNone, kOpenStreetMap, kCustomServer, kMBTilesFile };
const char* const kChoiceCaptions[] = {"None", "OpenStreetMap", "Custom tile server...",
                                       "MBTiles file..."};
const char* const kChoiceKeys[] = {"none", "openstreetmap", "custom", "mbtiles"};

// Where the choice is remembered.
const QString kChoiceKey = QStringLiteral("map/background");
const QString kTemplateKey = QStringLiteral("map/customTemplate");
const QString kAttributionKey = QStringLiteral("map/customAttribution");
const QString kMBTilesKey = QStringLiteral("map/mbtilesFile");

// The program's settings: settings.conf in its configuration folder (~/.config/vianora on
// Linux).
QString settingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
         QStringLiteral("/settings.conf");
}

}  // namespace

MapBackground::MapBackground(QWidget& window, UserPrompts& prompts)
    : QObject(&window), window_(window), prompts_(prompts) {
  caption_ = new QLabel(QStringLiteral("Background"), &window);
  caption_->setObjectName(QStringLiteral("lblBackground"));
  caption_->adjustSize();
  choice_ = new QComboBox(&window);
  choice_->setObjectName(QStringLiteral("cmbBackground"));
  choice_->setToolTip(QStringLiteral("Background"));
  for (const char* caption : kChoiceCaptions) choice_->addItem(QString::fromLatin1(caption));
  choice_->adjustSize();
  status_ = new QLabel(&window);
  status_->setObjectName(QStringLiteral("lblTiles"));
  status_->setVisible(false);
  restore();
  connect(choice_, &QComboBox::activated, this, &MapBackground::choose);
}

MapBackground::~MapBackground() = default;

// The choice of the last run, used again without asking; one that no longer works falls back
// to "None" and says why under the map.
void MapBackground::restore() {
  const QString saved =
      QSettings(settingsFile(), QSettings::IniFormat).value(kChoiceKey).toString();
  int index = kNone;
  for (int k = 0; k < 4; ++k)
    if (saved == QLatin1String(kChoiceKeys[k])) index = k;
  current_ = use(index, false) ? index : kNone;
  const QSignalBlocker quiet(choice_);
  choice_->setCurrentIndex(current_);
}

void MapBackground::choose(int index) {
  setStatus({});
  if (!use(index, true)) {
    const QSignalBlocker quiet(choice_);
    choice_->setCurrentIndex(current_);
    return;
  }
  current_ = index;
  QSettings(settingsFile(), QSettings::IniFormat)
      .setValue(kChoiceKey, QString::fromLatin1(kChoiceKeys[index]));
}

// Lays the tiles of a choice under the map, asking what it needs when `ask` says; false when
// the choice cannot be used (or the user cancelled).
bool MapBackground::use(int index, bool ask) {
  switch (index) {
    case kOpenStreetMap:
      setLayer(std::make_unique<TileLayer>(
          std::make_unique<OnlineTileSource>(kOpenStreetMapTemplate, kOpenStreetMapAttribution)));
      return true;
    case kCustomServer:
      return useCustomServer(ask);
    case kMBTilesFile:
      return useMBTiles(ask);
    default:
      setLayer(nullptr);
      return true;
  }
}

// Asks for the server's address template and the text its tiles must be shown with.
bool MapBackground::useCustomServer(bool ask) {
  QSettings settings(settingsFile(), QSettings::IniFormat);
  QString address = settings.value(kTemplateKey).toString();
  QString attribution = settings.value(kAttributionKey).toString();
  if (ask) {
    const auto entered = prompts_.askText(
        &window_, QStringLiteral("Custom tile server"),
        QStringLiteral("Tile address, such as https://tile.example.org/{z}/{x}/{y}.png:"), address);
    if (!entered) return false;
    address = entered->trimmed();
  }
  if (const auto problem = tileTemplateProblem(address)) {
    const QString text =
        QStringLiteral("The tile server address cannot be used:\n%1").arg(*problem);
    if (ask) prompts_.critical(&window_, kApplicationTitle, text);
    if (!ask) setStatus(text.simplified());
    return false;
  }
  if (ask) {
    const auto entered = prompts_.askText(
        &window_, QStringLiteral("Custom tile server"),
        QStringLiteral("Text the server asks to show with its tiles:"), attribution);
    if (!entered) return false;
    attribution = entered->trimmed();
    settings.setValue(kTemplateKey, address);
    settings.setValue(kAttributionKey, attribution);
  }
  setLayer(std::make_unique<TileLayer>(std::make_unique<OnlineTileSource>(address, attribution)));
  return true;
}

bool MapBackground::useMBTiles(bool ask) {
  QSettings settings(settingsFile(), QSettings::IniFormat);
  QString path = settings.value(kMBTilesKey).toString();
  if (ask) {
    const auto chosen = prompts_.chooseFileToOpen(
        &window_, {QStringLiteral("MBTiles files (*.mbtiles)"), QStringLiteral("All files (*)")},
        QFileInfo(path).absolutePath(), 1);
    if (!chosen) return false;
    path = chosen->path;
  }
  QString error;
  std::unique_ptr<MBTilesSource> source = MBTilesSource::open(path, error);
  if (!source) {
    setStatus(error);
    return false;
  }
  settings.setValue(kMBTilesKey, path);
  mbtilesPath_ = path;
  setLayer(std::make_unique<TileLayer>(std::move(source)));
  return true;
}

void MapBackground::checkArea(double west, double south, double east, double north) {
  if (!layer_ || mbtilesPath_.isEmpty()) return;
  auto* file = dynamic_cast<MBTilesSource*>(&layer_->source());
  if (file == nullptr) return;
  if (file->covers(west, south, east, north)) return setStatus({});
  setStatus(QStringLiteral("%1 does not cover this trip's area.")
                .arg(QFileInfo(mbtilesPath_).fileName()));
}

void MapBackground::setLayer(std::unique_ptr<TileLayer> layer) {
  if (layer == nullptr || dynamic_cast<MBTilesSource*>(&layer->source()) == nullptr)
    mbtilesPath_.clear();
  if (layer) connect(layer.get(), &TileLayer::changed, this, &MapBackground::showStatus);
  const std::unique_ptr<TileLayer> old = std::move(layer_);  // goes once the map lets it go
  layer_ = std::move(layer);
  emit layerChanged(layer_.get());
  showStatus();
}

void MapBackground::setStatus(const QString& note) {
  note_ = note;
  showStatus();
}

// A note on the choice itself comes first; else the tiles of the view that failed.
void MapBackground::showStatus() {
  const QString text = !note_.isEmpty() || !layer_ ? note_ : layer_->failureLine();
  status_->setText(text);
  emit statusChanged();
}

}  // namespace vianora::gui
