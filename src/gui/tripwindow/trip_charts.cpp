// The charts of the trip window: drawn by the core for each surface's size, shown by the
// surfaces, and changed in place by the check boxes and the colouring options.
#include <QCheckBox>
#include <QFileInfo>
#include <QLocale>
#include <QRadioButton>
#include <QTabBar>

#include "core/charts/profile_chart.h"
#include "core/charts/progress_chart.h"
#include "core/charts/route_map.h"
#include "gui/import/user_prompts.h"
#include "gui/tripwindow/chart_export.h"
#include "gui/tripwindow/chart_surface.h"
#include "gui/tripwindow/frm_stat_percorso.h"

namespace vianora::gui {

namespace {

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

}  // namespace

void frmStatPercorso::AggiornaGrafici() {
  ChartSurface& surface = *pctPercorso_[1];
  const SurfaceSize size = surface.sizeInTwips();
  const ProfileAxes layout = profileAxesForSurface(size, controlsOf(surface, *chkVelocita_));
  const std::string decimal = QLocale().decimalPoint().toStdString();
  ProfileDrawing drawing =
      ::vianora::AggiornaGrafici(shownTrip(), statistics_, layout, size,
                                 chkElevazione_->isChecked(), chkVelocita_->isChecked(), decimal);
  profileAxes_ = drawing.axes;
  surface.setPicture(std::move(drawing.picture));
}

void frmStatPercorso::AggiornaGraficoPercorrenza() {
  ChartSurface& surface = *pctPercorso_[2];
  surface.setPicture(::vianora::AggiornaGraficoPercorrenza(shownTrip(), statistics_, profileAxes_,
                                                           surface.sizeInTwips()));
}

void frmStatPercorso::AggiornaGraficoCartina() {
  ChartSurface& surface = *pctPercorso_[0];
  surface.setPicture(::vianora::AggiornaGraficoCartina(
      shownTrip(), statistics_, surface.sizeInTwips(), colouringOf(*optVelocita_)));
}

void frmStatPercorso::ColoraGraficoCartina() {
  if (drawnTrip_ < 0) return;
  ChartSurface& surface = *pctPercorso_[0];
  ::vianora::ColoraGraficoCartina(surface.picture(), shownTrip(), statistics_,
                                  colouringOf(*optVelocita_));
  surface.pictureChanged();
}

// After a resize the charts of the trip on show are drawn again for the new surfaces.
void frmStatPercorso::redrawCharts() {
  if (drawnTrip_ < 0) return;
  AggiornaGrafici();
  AggiornaGraficoPercorrenza();
  AggiornaGraficoCartina();
}

const Percorso& frmStatPercorso::shownTrip() const {
  return store_[static_cast<std::size_t>(drawnTrip_)];
}

void frmStatPercorso::chkElevazione_Click() {
  setSegmentsVisible(pctPercorso_[1]->picture(), ProfileDrawing::kAltitudeSet,
                     chkElevazione_->isChecked());
  pctPercorso_[1]->pictureChanged();
}

void frmStatPercorso::chkVelocita_Click() {
  setSegmentsVisible(pctPercorso_[1]->picture(), ProfileDrawing::kSpeedSet,
                     chkVelocita_->isChecked());
  pctPercorso_[1]->pictureChanged();
}

void frmStatPercorso::optAltezza_Click() { ColoraGraficoCartina(); }

void frmStatPercorso::optVelocita_Click() { ColoraGraficoCartina(); }

void frmStatPercorso::cmdSaveAs_Click() {
  const auto choice = prompts_.chooseFileToSave(this, chartFileFilters(), saveFolder_);
  if (!choice) return;
  saveFolder_ = QFileInfo(choice->path).absolutePath();
  const QString error =
      saveChart(*pctPercorso_[tbsPercorso_->currentIndex()], choice->path, choice->filterPosition);
  if (!error.isEmpty()) prompts_.critical(this, kApplicationTitle, error);
}

}  // namespace vianora::gui
