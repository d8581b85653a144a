#pragma once

#include <QWidget>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_surfaces.h"
#include "core/store/percorsi.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTabBar;
class QGroupBox;
class QRadioButton;
class QCheckBox;
class QTimer;

namespace vianora::gui {

class UserPrompts;
class ChartSurface;
class FlyThrough;

/// The trip-analysis window: choose a trip, "Refresh" shows its statistics and charts.
///
/// Controls carry their design names as object names (cmbPercorso, cmdAggiorna, txtEleMax,
/// ...). The window computes nothing itself: the statistics and their texts come from the
/// core, formatted with the user's locale.
class frmStatPercorso : public QWidget {
  Q_OBJECT

 public:
  frmStatPercorso(const Percorsi& store, UserPrompts& prompts, QWidget* parent = nullptr);

  /// The trip of the last "Refresh": 0 in a new window, -1 after a "Refresh" without a valid
  /// choice.
  int PercorsoSel() const { return percorsoSel_; }
  /// The statistics of the last "Refresh", which the charts read.
  const TripStatistics& statistics() const { return statistics_; }

  /// Chooses trip `index` in the list and presses "Refresh", as a user would.
  void showTrip(int index);

  /// The window's Google Earth fly-through (tests give it their own Google Earth and clock).
  FlyThrough& flyThrough() { return *flyThrough_; }

 public slots:
  void cmdRefreshPerc_Click();  ///< refill the trip list from the store
  void cmdAggiorna_Click();     ///< select the chosen trip, compute and draw
  void tbsPercorso_Click();     ///< show the surface of the selected tab
  void cmdGoogle_Click();       ///< fly Google Earth along the trip of the last "Refresh"
  void cmdSaveAs_Click();       ///< save the chart of the visible tab as a picture
  void chkElevazione_Click();   ///< show or hide the altitude profile
  void chkVelocita_Click();     ///< show or hide the speed profile
  void optAltezza_Click();      ///< colour the map by altitude
  void optVelocita_Click();     ///< colour the map by speed

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildStatisticsArea();
  void buildChartsArea();
  void layOutCharts();
  int selectedTrip() const;
  void Aggiorna();
  void AggiornaGrafici();
  void AggiornaGraficoPercorrenza();
  void AggiornaGraficoCartina();
  void ColoraGraficoCartina();
  void redrawCharts();
  /// The trip of the last successful "Refresh", whose statistics and charts are on show.
  const Percorso& shownTrip() const;

  // Design positions are in twips (1440 per inch); these give pixels on this window's screen.
  int pixelsX(int twips) const;
  int pixelsY(int twips) const;
  void place(QWidget* control, int left, int top, int width, int height) const;
  void addLabel(const QString& caption, int left, int top, int nextLeft);
  QLineEdit* addTextBox(const char* name, int left, int top, int width, int height);
  QPushButton* addButton(const char* name, const QString& caption, int left, int width);

  const Percorsi& store_;
  UserPrompts& prompts_;
  int percorsoSel_ = 0;
  TripStatistics statistics_;
  ProfileAxes profileAxes_;  // the Profile surface's axes as its last drawing left them
  int drawnTrip_ = -1;       // the trip statistics and charts show, -1 before the first Refresh
  QTimer* redrawTimer_ = nullptr;  // redraws the charts once a resize has settled
  QString saveFolder_;             // where the Save dialog was last left
  FlyThrough* flyThrough_ = nullptr;

  QComboBox* cmbPercorso_ = nullptr;
  QLineEdit* txtEleMax_ = nullptr;
  QLineEdit* txtDistEleMax_ = nullptr;
  QLineEdit* txtEleMin_ = nullptr;
  QLineEdit* txtDistEleMin_ = nullptr;
  QLineEdit* txtDislivello_ = nullptr;
  QLineEdit* txtDistSalita_ = nullptr;
  QLineEdit* txtTimeSalita_ = nullptr;
  QLineEdit* txtDistanza_ = nullptr;
  QLineEdit* txtVelocita_ = nullptr;
  QLineEdit* txtVelocitaMax_ = nullptr;
  QLineEdit* txtDistMaxVel_ = nullptr;
  QLineEdit* txtInizio_ = nullptr;
  QLineEdit* txtFine_ = nullptr;
  QLineEdit* txtDurata_ = nullptr;
  QRadioButton* optAltezza_ = nullptr;
  QRadioButton* optVelocita_ = nullptr;
  QCheckBox* chkElevazione_ = nullptr;
  QCheckBox* chkVelocita_ = nullptr;
  QTabBar* tbsPercorso_ = nullptr;
  QGroupBox* frmColorazione_ = nullptr;
  ChartSurface* pctPercorso_[3] = {};
};

}  // namespace vianora::gui
