#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QComboBox;
class QLabel;
class QWidget;

namespace vianora::gui {

class TileLayer;
class UserPrompts;

/// The "Background" choice of the Map tab: "None" (the map on white), "OpenStreetMap",
/// "Custom tile server..." or "MBTiles file...", remembered between runs, and the line under
/// the map that says why tiles are missing. It owns the tile layer of the choice.
class MapBackground : public QObject {
  Q_OBJECT

 public:
  MapBackground(QWidget& window, UserPrompts& prompts);
  ~MapBackground() override;

  /// The choice's tiles; none for "None" (or a choice that could not be used).
  TileLayer* layer() const { return layer_.get(); }
  QComboBox& choice() const { return *choice_; }
  QLabel& caption() const { return *caption_; }
  QLabel& status() const { return *status_; }
  /// Whether the map keeps a line under it: while tiles are shown, or a note says why not.
  bool wantsLine() const { return layer_ != nullptr || !note_.isEmpty(); }

  /// Says in the line under the map when the MBTiles file in use lacks the area of a trip
  /// (west, south, east, north in degrees).
  void checkArea(double west, double south, double east, double north);

 signals:
  void layerChanged(vianora::gui::TileLayer* layer);
  /// The line under the map was shown, hidden or changed.
  void statusChanged();

 private:
  void choose(int index);
  bool use(int index, bool ask);
  bool useCustomServer(bool ask);
  bool useMBTiles(bool ask);
  void setLayer(std::unique_ptr<TileLayer> layer);
  void setStatus(const QString& note);
  void showStatus();
  void restore();

  QWidget& window_;
  UserPrompts& prompts_;
  QLabel* caption_ = nullptr;
  QComboBox* choice_ = nullptr;
  QLabel* status_ = nullptr;
  std::unique_ptr<TileLayer> layer_;
  int current_ = 0;      // the choice in use, to go back to when a new one is cancelled
  QString mbtilesPath_;  // of the file in use
  QString note_;         // why the choice gives no tiles, or lacks the trip's area
};

}  // namespace vianora::gui
