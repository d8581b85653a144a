#include "gui/tripwindow/frm_stat_percorso.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QResizeEvent>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <algorithm>

#include "core/analysis/statistics_texts.h"
#include "core/store/trip_titles.h"
#include "gui/app/app_icons.h"
#include "gui/earth/fly_through.h"
#include "gui/import/user_prompts.h"
#include "gui/tripwindow/chart_surface.h"
#include "gui/tripwindow/locale_format.h"

namespace vianora::gui {
namespace {

const QString kWindowCaption = QStringLiteral("Statistics covered");
const QString kChooseTripText = QStringLiteral("Select a trip");
const QString kInvalidTripMessage = QStringLiteral("Select a valid trip!");

constexpr int kTwipsPerInch = 1440;
constexpr int kDesignFontPoints = 8;
// Space a text box keeps between its frame and its text, and the narrowest a figure is written.
constexpr int kLineEditMargin = 2;
constexpr int kNarrowestStretch = 50;

// Design lengths of the window and its charts area, in twips, as whole numbers.
constexpr int twips(float length) { return static_cast<int>(length); }

const char* const kSurfaceNames[] = {"pctPercorso1", "pctPercorso2", "pctPercorso3"};

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Shows a figure in its box. A figure wider than the box is written narrower, down to half
// width, and then shown from its first character.
void showFigure(QLineEdit* box, const std::string& text) {
  const QString figure = fromUtf8(text);
  QFont font = box->font();
  font.setStretch(QFont::AnyStretch);
  const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
  const int room = box->width() - 2 * (frame + kLineEditMargin) - 1;
  const int needed = QFontMetrics(font).horizontalAdvance(figure);
  if (needed > room && room > 0) {
    font.setStretch(std::max(kNarrowestStretch, 100 * room / needed));
  }
  box->setFont(font);
  box->setText(figure);
  box->setCursorPosition(0);
}

}  // namespace

frmStatPercorso::frmStatPercorso(const Percorsi& store, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent), store_(store), prompts_(prompts) {
  setWindowTitle(kWindowCaption);
  setWindowIcon(applicationIcon());
  // The design positions were laid out for an 8 point font; larger text would run into the
  // neighbouring boxes.
  QFont designFont = font();
  designFont.setPointSize(kDesignFontPoints);
  setFont(designFont);
  buildStatisticsArea();
  buildChartsArea();
  flyThrough_ = new FlyThrough(this, prompts_, [this]() -> const Percorso* {
    if (percorsoSel_ < 0 || static_cast<std::size_t>(percorsoSel_) >= store_.size()) return nullptr;
    return &store_[static_cast<std::size_t>(percorsoSel_)];
  });
  resize(pixelsX(twips(kDesignClientWidth)), pixelsY(twips(kDesignClientHeight)));

  layOutCharts();
  cmdRefreshPerc_Click();
  tbsPercorso_->setCurrentIndex(0);
  tbsPercorso_Click();
}

int frmStatPercorso::pixelsX(int twips) const {
  return qRound(static_cast<double>(twips) * logicalDpiX() / kTwipsPerInch);
}

int frmStatPercorso::pixelsY(int twips) const {
  return qRound(static_cast<double>(twips) * logicalDpiY() / kTwipsPerInch);
}

void frmStatPercorso::place(QWidget* control, int left, int top, int width, int height) const {
  control->setGeometry(pixelsX(left), pixelsY(top), pixelsX(width), pixelsY(height));
}

void frmStatPercorso::buildChartsArea() {
  tbsPercorso_ = new QTabBar(this);
  tbsPercorso_->setObjectName(QStringLiteral("tbsPercorso"));
  tbsPercorso_->setExpanding(false);
  tbsPercorso_->addTab(QStringLiteral("Map"));
  tbsPercorso_->addTab(QStringLiteral("Profile"));
  tbsPercorso_->addTab(QStringLiteral("Distance"));

  for (int k = 0; k < 3; ++k) {
    pctPercorso_[k] = new ChartSurface(this);
    pctPercorso_[k]->setObjectName(QString::fromLatin1(kSurfaceNames[k]));
  }

  ChartSurface* profile = pctPercorso_[1];
  chkVelocita_ = new QCheckBox(QStringLiteral("Speed"), profile);
  chkVelocita_->setObjectName(QStringLiteral("chkVelocita"));
  chkVelocita_->setChecked(true);
  chkVelocita_->adjustSize();
  chkElevazione_ = new QCheckBox(QStringLiteral("Altitude"), profile);
  chkElevazione_->setObjectName(QStringLiteral("chkElevazione"));
  chkElevazione_->setChecked(true);
  chkElevazione_->adjustSize();
  // Both boxes share one left edge: give them the width of the wider caption.
  const int checkWidth = std::max(chkVelocita_->width(), chkElevazione_->width());
  chkVelocita_->resize(checkWidth, chkVelocita_->height());
  chkElevazione_->resize(checkWidth, chkElevazione_->height());

  connect(tbsPercorso_, &QTabBar::currentChanged, this, &frmStatPercorso::tbsPercorso_Click);
  connect(chkElevazione_, &QCheckBox::clicked, this, &frmStatPercorso::chkElevazione_Click);
  connect(chkVelocita_, &QCheckBox::clicked, this, &frmStatPercorso::chkVelocita_Click);

  // A resize redraws the charts for the new size once the user has stopped dragging.
  redrawTimer_ = new QTimer(this);
  redrawTimer_->setSingleShot(true);
  redrawTimer_->setInterval(150);
  connect(redrawTimer_, &QTimer::timeout, this, &frmStatPercorso::redrawCharts);
}

// The tab strip spans the window; the surfaces fill the rest of it under the tab headers. Runs
// at load and again whenever the window changes size.
void frmStatPercorso::layOutCharts() {
  const int left = pixelsX(twips(kTabStripLeft));
  const int top = pixelsY(twips(kTabStripTop));
  const int tabsHeight =
      std::max(pixelsY(twips(kTabStripHeight)), tbsPercorso_->sizeHint().height());
  const int chartWidth = std::max(0, width() - left - pixelsX(twips(kSurfaceEdgeGap)));
  tbsPercorso_->setGeometry(left, top, chartWidth, tabsHeight);

  const int surfaceTop = top + tabsHeight;
  const int surfaceHeight = std::max(0, height() - surfaceTop - pixelsY(twips(kSurfaceEdgeGap)));
  for (ChartSurface* surface : pctPercorso_) {
    surface->setGeometry(left, surfaceTop, chartWidth, surfaceHeight);
  }

  chkVelocita_->move(chartWidth - chkVelocita_->width() - pixelsX(twips(kCheckBoxGap)),
                     pixelsY(twips(kCheckBoxTop)));
  chkElevazione_->move(chkVelocita_->x(),
                       chkVelocita_->y() + chkVelocita_->height() + pixelsY(twips(kCheckBoxGap)));
}

void frmStatPercorso::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOutCharts();
  if (drawnTrip_ >= 0) redrawTimer_->start();
}

void frmStatPercorso::cmdRefreshPerc_Click() {
  // One insertion for the whole list: a file of many empty tracks can bring a million trips.
  QStringList entries;
  const std::vector<std::string> titles = tripListEntries(store_);
  entries.reserve(static_cast<qsizetype>(titles.size()));
  for (const std::string& title : titles) entries.push_back(fromUtf8(title));
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

void frmStatPercorso::cmdAggiorna_Click() {
  percorsoSel_ = selectedTrip();
  if (percorsoSel_ == -1) {
    prompts_.information(this, kApplicationTitle, kInvalidTripMessage);
    return;
  }
  // The statistics first: the charts read what they leave.
  drawnTrip_ = percorsoSel_;
  Aggiorna();
  AggiornaGrafici();
  AggiornaGraficoPercorrenza();
  AggiornaGraficoCartina();
}

void frmStatPercorso::Aggiorna() {
  const Percorso& trip = shownTrip();
  statistics_ = computeTripStatistics(trip);
  const StatisticsTexts texts = statisticsTexts(statistics_, localeDisplayFormat());

  setWindowTitle(fromUtf8(tripTitle(store_, static_cast<std::size_t>(drawnTrip_))));
  showFigure(txtDislivello_, texts.ascent);
  showFigure(txtEleMax_, texts.altitudeMax);
  showFigure(txtEleMin_, texts.altitudeMin);
  showFigure(txtDistEleMax_, texts.altitudeMaxKm);
  showFigure(txtDistEleMin_, texts.altitudeMinKm);
  showFigure(txtDistanza_, texts.distance);
  showFigure(txtDistSalita_, texts.climbDistance);
  showFigure(txtTimeSalita_, texts.climbTime);
  showFigure(txtInizio_, texts.start);
  showFigure(txtFine_, texts.end);
  showFigure(txtDurata_, texts.duration);
  showFigure(txtVelocita_, texts.averageSpeed);
  showFigure(txtVelocitaMax_, texts.maxSpeed);
  showFigure(txtDistMaxVel_, texts.maxSpeedKm);
}

void frmStatPercorso::tbsPercorso_Click() {
  const int selected = tbsPercorso_->currentIndex();
  for (int k = 0; k < 3; ++k) pctPercorso_[k]->setVisible(k == selected);
  frmColorazione_->setVisible(selected == 0);
}

// A press during a flight stops it: one flight per window at a time.
void frmStatPercorso::cmdGoogle_Click() {
  if (flyThrough_->isFlying()) {
    flyThrough_->stop();
    return;
  }
  if (percorsoSel_ == -1) {
    prompts_.information(this, kApplicationTitle, kInvalidTripMessage);
    return;
  }
  flyThrough_->fly();  // the window may be gone when it returns
}

void frmStatPercorso::closeEvent(QCloseEvent* event) {
  flyThrough_->stop();
  QWidget::closeEvent(event);
}

}  // namespace vianora::gui
