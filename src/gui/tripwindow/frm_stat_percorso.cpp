#include "gui/tripwindow/frm_stat_percorso.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

#include "core/analysis/details_texts.h"
#include "core/analysis/statistics_texts.h"
#include "core/charts/chart_surfaces.h"
#include "core/store/trip_titles.h"
#include "gui/app/app_icons.h"
#include "gui/earth/fly_through.h"
#include "gui/import/user_prompts.h"
#include "gui/tripwindow/chart_export.h"
#include "gui/tripwindow/design_scale.h"
#include "gui/tripwindow/details_tab.h"
#include "gui/tripwindow/locale_format.h"
#include "gui/tripwindow/side_by_side.h"
#include "gui/tripwindow/statistics_area.h"
#include "gui/tripwindow/trip_charts.h"

namespace vianora::gui {
namespace {

const QString kWindowCaption = QStringLiteral("Statistics covered");
const QString kChooseTripText = QStringLiteral("Select a trip");
const QString kInvalidTripMessage = QStringLiteral("Select a valid trip!");

// The design positions were laid out for an 8 point font; larger text would run into the
// neighbouring boxes.
constexpr int kDesignFontPoints = 8;

// The first row, in twips: the trip list and the commands.
constexpr int kRow1Top = 90;
constexpr int kButtonHeight = 345;
constexpr DesignRect kTripCaption{90, kRow1Top, 435, 225};
constexpr DesignRect kTripList{600, kRow1Top, 4995, 315};
constexpr DesignRect kUpdateButton{5640, kRow1Top, kButtonHeight, kButtonHeight};
constexpr QSize kUpdateIconSize(18, 20);

using Click = void (frmStatPercorso::*)();

// The push buttons of the first row, after the list and its update button.
struct CommandButton {
  const char* name;
  const char* caption;
  int left;
  int width;
  Click click;
};

const CommandButton kCommandButtons[] = {
    {"cmdAggiorna", "Refresh", 6030, 885, &frmStatPercorso::cmdAggiorna_Click},
    {"cmdSaveAs", "Save as", 7110, 795, &frmStatPercorso::cmdSaveAs_Click},
    {"cmdGoogle", "Google Earth", 13380, 1485, &frmStatPercorso::cmdGoogle_Click},
};

}  // namespace

frmStatPercorso::frmStatPercorso(const Percorsi& store, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent), store_(store), prompts_(prompts) {
  setWindowTitle(kWindowCaption);
  setWindowIcon(applicationIcon());
  QFont designFont = font();
  designFont.setPointSize(kDesignFontPoints);
  setFont(designFont);
  buildTripRow();
  statisticsArea_ = std::make_unique<StatisticsArea>(*this);
  charts_ = new TripCharts(*this, prompts_, [this]() -> ChartedTrip {
    if (!lastRefresh_.shown) return {};
    return {&store_[*lastRefresh_.shown], &lastRefresh_.statistics};
  });
  flyThrough_ = new FlyThrough(this, prompts_, [this]() -> const Percorso* {
    const int trip = PercorsoSel();
    if (trip < 0 || static_cast<std::size_t>(trip) >= store_.size()) return nullptr;
    return &store_[static_cast<std::size_t>(trip)];
  });
  // The Details tab has no picture to save.
  connect(charts_, &TripCharts::chartShown, findChild<QPushButton*>(QStringLiteral("cmdSaveAs")),
          &QWidget::setEnabled);
  const DesignScale scale(*this);
  resize(scale.x(kDesignClientWidth), scale.y(kDesignClientHeight));
  charts_->layOut();
  cmdRefreshPerc_Click();
}

frmStatPercorso::~frmStatPercorso() = default;

void frmStatPercorso::buildTripRow() {
  const DesignScale scale(*this);
  scale.place(new QLabel(QStringLiteral("Trip"), this), kTripCaption);

  cmbPercorso_ = new QComboBox(this);
  cmbPercorso_->setObjectName(QStringLiteral("cmbPercorso"));
  cmbPercorso_->setEditable(true);
  // Typed text must never become a list entry: list position i is trip i.
  cmbPercorso_->setInsertPolicy(QComboBox::NoInsert);
  // Every entry is one line of text: the drop-down need not measure each of a million rows.
  if (auto* rows = qobject_cast<QListView*>(cmbPercorso_->view())) rows->setUniformItemSizes(true);
  scale.place(cmbPercorso_, kTripList);

  auto* cmdRefreshPerc = new QToolButton(this);
  cmdRefreshPerc->setObjectName(QStringLiteral("cmdRefreshPerc"));
  cmdRefreshPerc->setIcon(updateButtonIcon());
  cmdRefreshPerc->setIconSize(kUpdateIconSize);
  cmdRefreshPerc->setToolTip(QStringLiteral("Update"));
  scale.place(cmdRefreshPerc, kUpdateButton);
  connect(cmdRefreshPerc, &QToolButton::clicked, this, &frmStatPercorso::cmdRefreshPerc_Click);

  for (const CommandButton& command : kCommandButtons) {
    auto* button = new QPushButton(QString::fromLatin1(command.caption), this);
    button->setObjectName(QString::fromLatin1(command.name));
    scale.place(button, {command.left, kRow1Top, command.width, kButtonHeight});
    connect(button, &QPushButton::clicked, this, command.click);
  }
}

void frmStatPercorso::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  charts_->windowResized();
}

void frmStatPercorso::cmdRefreshPerc_Click() {
  // One insertion for the whole list: a file of many empty tracks can bring a million trips.
  QStringList entries;
  const std::vector<std::string> titles = tripListEntries(store_);
  entries.reserve(static_cast<qsizetype>(titles.size()));
  for (const std::string& title : titles) entries.push_back(QString::fromStdString(title));
  cmbPercorso_->clear();
  cmbPercorso_->addItems(entries);
  cmbPercorso_->setCurrentIndex(-1);
  cmbPercorso_->setEditText(kChooseTripText);
}

// The chosen list position, or -1 when nothing is chosen or the text was typed rather than
// picked from the list.
int frmStatPercorso::selectedTrip() const {
  const int index = cmbPercorso_->currentIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= store_.size()) return -1;
  if (cmbPercorso_->currentText() != cmbPercorso_->itemText(index)) return -1;
  return index;
}

void frmStatPercorso::showTrip(int index) {
  cmbPercorso_->setCurrentIndex(index);
  cmdAggiorna_Click();
}

void frmStatPercorso::showInvalidTrip() {
  prompts_.information(this, kApplicationTitle, kInvalidTripMessage);
}

void frmStatPercorso::cmdAggiorna_Click() {
  const int chosen = selectedTrip();
  lastRefresh_.validChoice = chosen >= 0;
  if (!lastRefresh_.validChoice) {
    showInvalidTrip();
    return;
  }
  lastRefresh_.shown = static_cast<std::size_t>(chosen);
  // The trip's details, which nothing else reads, are worked out beside the rest.
  const Percorso& trip = store_[*lastRefresh_.shown];
  TripDetails details;
  runSideBySide([&] { details = computeTripDetails(trip); },
                [&] {
                  // The statistics first: the charts read what they leave.
                  Aggiorna();
                  charts_->draw();
                });
  charts_->details().showDetails(details, localeDisplayFormat());
}

void frmStatPercorso::Aggiorna() {
  const std::size_t trip = *lastRefresh_.shown;
  lastRefresh_.statistics = computeTripStatistics(store_[trip]);
  setWindowTitle(QString::fromStdString(tripTitle(store_, trip)));
  const DisplayFormat format = localeDisplayFormat();
  statisticsArea_->show(statisticsTexts(lastRefresh_.statistics, format));
}

// A press during a flight stops it: one flight per window at a time.
void frmStatPercorso::cmdGoogle_Click() {
  if (flyThrough_->isFlying()) {
    flyThrough_->stop();
    return;
  }
  if (PercorsoSel() == -1) {
    showInvalidTrip();
    return;
  }
  flyThrough_->fly();  // returns at once: the flight goes on from a timer
}

void frmStatPercorso::cmdSaveAs_Click() {
  const std::optional<Chart> chart = charts_->visibleChart();
  if (!chart) return;
  const auto choice = prompts_.chooseFileToSave(this, chartFileFilters(), saveFolder_);
  if (!choice) return;
  saveFolder_ = QFileInfo(choice->path).absolutePath();
  const QString error = saveChart(charts_->surface(*chart), choice->path, choice->filterPosition);
  if (!error.isEmpty()) prompts_.critical(this, kApplicationTitle, error);
}

void frmStatPercorso::closeEvent(QCloseEvent* event) {
  flyThrough_->stop();
  QWidget::closeEvent(event);
}

}  // namespace vianora::gui
