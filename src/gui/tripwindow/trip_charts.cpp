#include "gui/tripwindow/trip_charts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/charts/profile_chart.h"
#include "gui/tiles/tile_layer.h"
#include "gui/tripwindow/chart_surface.h"
#include "gui/tripwindow/chart_views.h"
#include "gui/tripwindow/design_scale.h"
#include "gui/tripwindow/details_tab.h"
#include "gui/tripwindow/map_background.h"

namespace vianora::gui {
namespace {

const char* const kTabCaptions[] = {"Map", "Profile", "Distance", "Details"};

// The colouring frame beside the statistics, and the margins of its options, in twips.
constexpr DesignRect kOptionsFrame{11340, 660, 2415, 795};
constexpr int kOptionsLeftMargin = 120;
constexpr int kOptionsRightMargin = 60;

// How long a resize must have settled before the charts are drawn again for the new size.
constexpr int kResizeSettleMs = 150;

// Profile drawings of one window share the layout step's axes, measured from its controls.
ProfileControls controlsOf(const ChartSurface& surface, const QCheckBox& box) {
  ProfileControls controls;
  controls.checkBoxWidth = surface.twipsX(box.width());
  controls.checkBoxHeight = surface.twipsY(box.height());
  controls.labelHeight = surface.twipsY(surface.fontMetrics().height());
  return controls;
}

MapColouring colouringOf(const QRadioButton& speed) {
  return speed.isChecked() ? MapColouring::Speed : MapColouring::Altitude;
}

QCheckBox* checkBox(const char* name, const QString& caption, QWidget* window) {
  auto* box = new QCheckBox(caption, window);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(true);
  box->adjustSize();
  return box;
}

}  // namespace

TripCharts::TripCharts(QWidget& window, UserPrompts& prompts, std::function<ChartedTrip()> shown)
    : QObject(&window), window_(window), shown_(std::move(shown)) {
  buildColourOptions();
  buildTabs();
  buildCheckBoxes();
  views_ = new ChartViews(
      surfaces_,
      [this] {
        return ChartOptions{chkElevazione_->isChecked(), chkVelocita_->isChecked(),
                            colouringOf(*optVelocita_), cmbTimeAxis_->currentIndex() == 1};
      },
      this);
  background_ = new MapBackground(window_, prompts);
  views_->setTiles(background_->layer());
  connect(background_, &MapBackground::layerChanged, this, [this](TileLayer* layer) {
    views_->setTiles(layer);
    checkTileArea();
  });
  connect(background_, &MapBackground::statusChanged, this, [this] {
    const QSize before = at(Chart::Map).size();
    layOut();
    tbsPercorso_Click();
    if (at(Chart::Map).size() != before && shown_().trip != nullptr) redrawTimer_->start();
  });
  // A resize redraws the charts for the new size once the user has stopped dragging.
  redrawTimer_ = new QTimer(this);
  redrawTimer_->setSingleShot(true);
  redrawTimer_->setInterval(kResizeSettleMs);
  connect(redrawTimer_, &QTimer::timeout, this, [this] { drawFor(false); });
  tbsPercorso_Click();
}

void TripCharts::buildColourOptions() {
  const DesignScale scale(window_);
  frmColorazione_ = new QGroupBox(QStringLiteral("Coloration"), &window_);
  frmColorazione_->setObjectName(QStringLiteral("frmColorazione"));
  scale.place(frmColorazione_, kOptionsFrame);
  optAltezza_ = new QRadioButton(QStringLiteral("Altitude"), frmColorazione_);
  optAltezza_->setObjectName(QStringLiteral("optAltezza"));
  optAltezza_->setChecked(true);
  optVelocita_ = new QRadioButton(QStringLiteral("Speed"), frmColorazione_);
  optVelocita_->setObjectName(QStringLiteral("optVelocita"));
  connect(optAltezza_, &QRadioButton::clicked, this, &TripCharts::optAltezza_Click);
  connect(optVelocita_, &QRadioButton::clicked, this, &TripCharts::optVelocita_Click);
  auto* options = new QVBoxLayout(frmColorazione_);
  options->setContentsMargins(scale.x(kOptionsLeftMargin), 0, scale.x(kOptionsRightMargin), 0);
  options->setSpacing(0);
  options->addWidget(optAltezza_);
  options->addWidget(optVelocita_);
}

void TripCharts::buildTabs() {
  tbsPercorso_ = new QTabBar(&window_);
  tbsPercorso_->setObjectName(QStringLiteral("tbsPercorso"));
  tbsPercorso_->setExpanding(false);
  for (const char* caption : kTabCaptions) tbsPercorso_->addTab(QString::fromLatin1(caption));
  for (int k = 0; k < kChartCount; ++k) {
    surfaces_[k] = new ChartSurface(&window_);
    surfaces_[k]->setObjectName(QStringLiteral("pctPercorso%1").arg(k + 1));
  }
  details_ = new DetailsTab(
      &window_, [this](std::optional<TripStretch> stretch) { views_->markStretch(stretch); });
  connect(tbsPercorso_, &QTabBar::currentChanged, this, &TripCharts::tbsPercorso_Click);
}

void TripCharts::buildCheckBoxes() {
  chkVelocita_ = checkBox("chkVelocita", QStringLiteral("Speed"), &window_);
  chkElevazione_ = checkBox("chkElevazione", QStringLiteral("Altitude"), &window_);
  // Both boxes share one left edge: give them the width of the wider caption.
  const int checkWidth = std::max(chkVelocita_->width(), chkElevazione_->width());
  chkVelocita_->resize(checkWidth, chkVelocita_->height());
  chkElevazione_->resize(checkWidth, chkElevazione_->height());
  connect(chkElevazione_, &QCheckBox::clicked, this, &TripCharts::chkElevazione_Click);
  connect(chkVelocita_, &QCheckBox::clicked, this, &TripCharts::chkVelocita_Click);
  // The elapsed time stays the first choice and the default.
  cmbTimeAxis_ = new QComboBox(&window_);
  cmbTimeAxis_->setObjectName(QStringLiteral("cmbTimeAxis"));
  cmbTimeAxis_->addItems({QStringLiteral("Elapsed time"), QStringLiteral("Time of day")});
  cmbTimeAxis_->adjustSize();
  connect(cmbTimeAxis_, &QComboBox::currentIndexChanged, this, &TripCharts::cmbTimeAxis_Click);
}

// The tab strip spans the window; the surfaces fill the rest of it under the tab headers, and
// the profile's check boxes stand side by side at the right end of the tab strip's row, where
// they hide no curve.
void TripCharts::layOut() {
  const DesignScale scale(window_);
  const int left = scale.x(kTabStripLeft);
  const int top = scale.y(kTabStripTop);
  const int tabsHeight = std::max(scale.y(kTabStripHeight), tbsPercorso_->sizeHint().height());
  const int chartWidth = std::max(0, window_.width() - left - scale.x(kSurfaceEdgeGap));
  tbsPercorso_->setGeometry(left, top, chartWidth, tabsHeight);

  const int surfaceTop = top + tabsHeight;
  const int surfaceHeight = std::max(0, window_.height() - surfaceTop - scale.y(kSurfaceEdgeGap));
  for (ChartSurface* chart : surfaces_)
    chart->setGeometry(left, surfaceTop, chartWidth, surfaceHeight);
  details_->setGeometry(left, surfaceTop, chartWidth, surfaceHeight);

  const int boxTop = top + (tabsHeight - chkVelocita_->height()) / 2;
  chkElevazione_->move(left + chartWidth - chkElevazione_->width() - scale.x(kCheckBoxGap), boxTop);
  chkVelocita_->move(chkElevazione_->x() - chkVelocita_->width() - scale.x(kCheckBoxGap), boxTop);
  chkVelocita_->raise();
  chkElevazione_->raise();
  cmbTimeAxis_->move(left + chartWidth - cmbTimeAxis_->width() - scale.x(kCheckBoxGap),
                     top + (tabsHeight - cmbTimeAxis_->height()) / 2);
  cmbTimeAxis_->raise();
  // The map's background choice stands there too, on the Map tab.
  QComboBox& choice = background_->choice();
  QLabel& caption = background_->caption();
  choice.move(left + chartWidth - choice.width() - scale.x(kCheckBoxGap),
              top + (tabsHeight - choice.height()) / 2);
  caption.move(choice.x() - caption.width() - scale.x(kCheckBoxGap) * 4,
               top + (tabsHeight - caption.height()) / 2);
  choice.raise();
  caption.raise();
  // The line under the map takes its height from the map.
  QLabel& status = background_->status();
  if (background_->wantsLine()) {
    const int lineHeight = status.sizeHint().height();
    ChartSurface& map = at(Chart::Map);
    map.setGeometry(left, surfaceTop, chartWidth, std::max(0, surfaceHeight - lineHeight));
    status.setGeometry(left, map.geometry().bottom() + 1, chartWidth, lineHeight);
  }
}

void TripCharts::windowResized() {
  layOut();
  if (shown_().trip != nullptr) redrawTimer_->start();
}

void TripCharts::draw() { drawFor(true); }

// Profile drawings of one window share the layout step's axes, measured from its controls.
void TripCharts::drawFor(bool newTrip) {
  const ChartedTrip shown = shown_();
  if (shown.trip == nullptr) return;
  ChartSurface& profile = at(Chart::Profile);
  const ProfileAxes layout =
      profileAxesForSurface(profile.sizeInTwips(), controlsOf(profile, *chkVelocita_));
  views_->draw(shown, layout, newTrip);
  if (newTrip) checkTileArea();
}

// An MBTiles file says so when it lacks the trip's area.
void TripCharts::checkTileArea() {
  const ChartedTrip shown = shown_();
  if (shown.trip == nullptr || !shown.statistics->hasCountingPair) return;
  const TripStatistics& s = *shown.statistics;
  const auto& points = shown.trip->Punti;
  background_->checkArea(points[s.IdxLonMin].Longitudine, points[s.IdxLatMin].Latitudine,
                         points[s.IdxLonMax].Longitudine, points[s.IdxLatMax].Latitudine);
}

std::optional<Chart> TripCharts::visibleChart() const {
  const int tab = tbsPercorso_->currentIndex();
  if (tab < 0 || tab >= kChartCount) return std::nullopt;
  return static_cast<Chart>(tab);
}

void TripCharts::tbsPercorso_Click() {
  const std::optional<Chart> selected = visibleChart();
  for (int k = 0; k < kChartCount; ++k) surfaces_[k]->setVisible(static_cast<Chart>(k) == selected);
  details_->setVisible(!selected);
  frmColorazione_->setVisible(selected == Chart::Map);
  chkVelocita_->setVisible(selected == Chart::Profile);
  chkElevazione_->setVisible(selected == Chart::Profile);
  cmbTimeAxis_->setVisible(selected == Chart::Progress);
  background_->choice().setVisible(selected == Chart::Map);
  background_->caption().setVisible(selected == Chart::Map);
  background_->status().setVisible(selected == Chart::Map && background_->wantsLine());
  emit chartShown(selected.has_value());
}

void TripCharts::chkElevazione_Click() { views_->showProfileCurves(); }

void TripCharts::chkVelocita_Click() { views_->showProfileCurves(); }

void TripCharts::optAltezza_Click() { views_->recolourMap(); }

void TripCharts::optVelocita_Click() { views_->recolourMap(); }

void TripCharts::cmbTimeAxis_Click() { views_->retimeProgress(); }

}  // namespace vianora::gui
