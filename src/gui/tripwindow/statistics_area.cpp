// The upper part of the trip window: the trip chooser, the command buttons, the fourteen
// statistics boxes with their captions and the map's colouring choice, each at its design
// position in twips.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/app_icons.h"
#include "gui/tripwindow/frm_stat_percorso.h"

namespace vianora::gui {
namespace {

// Rows of the statistics area: the top of the boxes and, a little lower, of their captions.
constexpr int kRow1 = 90;
constexpr int kButtonHeight = 345;
constexpr int kRow2Box = 480;
constexpr int kRow2Caption = 540;
constexpr int kRow3Box = 840;
constexpr int kRow3Caption = 900;
constexpr int kRow4Box = 1200;
constexpr int kRow4Caption = 1230;
constexpr int kTallBox = 315;
constexpr int kShortBox = 285;

// Captions keep this gap from the box after them, and are narrowed at most to half width.
constexpr int kCaptionGap = 30;
constexpr int kNarrowestStretch = 50;

}  // namespace

void frmStatPercorso::addLabel(const QString& caption, int left, int top, int nextLeft) {
  auto* label = new QLabel(caption, this);
  label->move(pixelsX(left), pixelsY(top));
  label->adjustSize();
  // A caption wider than the room the design leaves it before the next box is narrowed
  // rather than hidden under that box.
  const int roomPixels = pixelsX(nextLeft - left - kCaptionGap);
  if (label->width() > roomPixels) {
    QFont narrow = label->font();
    narrow.setStretch(std::max(kNarrowestStretch, 100 * roomPixels / label->width()));
    label->setFont(narrow);
    label->adjustSize();
  }
}

QLineEdit* frmStatPercorso::addTextBox(const char* name, int left, int top, int width, int height) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(name));
  place(box, left, top, width, height);
  return box;
}

QPushButton* frmStatPercorso::addButton(const char* name, const QString& caption, int left,
                                        int width) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  place(button, left, kRow1, width, kButtonHeight);
  return button;
}

void frmStatPercorso::buildStatisticsArea() {
  // Row 1: the trip and the commands.
  auto* tripLabel = new QLabel(QStringLiteral("Trip"), this);
  place(tripLabel, 90, kRow1, 435, 225);

  cmbPercorso_ = new QComboBox(this);
  cmbPercorso_->setObjectName(QStringLiteral("cmbPercorso"));
  cmbPercorso_->setEditable(true);
  // Typed text must never become a list entry: list position i is trip i.
  cmbPercorso_->setInsertPolicy(QComboBox::NoInsert);
  // Every entry is one line of text: the drop-down need not measure each of a million rows.
  if (auto* rows = qobject_cast<QListView*>(cmbPercorso_->view())) rows->setUniformItemSizes(true);
  place(cmbPercorso_, 600, kRow1, 4995, kTallBox);

  auto* cmdRefreshPerc = new QToolButton(this);
  cmdRefreshPerc->setObjectName(QStringLiteral("cmdRefreshPerc"));
  cmdRefreshPerc->setIcon(updateButtonIcon());
  cmdRefreshPerc->setIconSize(QSize(18, 20));
  cmdRefreshPerc->setToolTip(QStringLiteral("Update"));
  place(cmdRefreshPerc, 5640, kRow1, 345, kButtonHeight);
  connect(cmdRefreshPerc, &QToolButton::clicked, this, &frmStatPercorso::cmdRefreshPerc_Click);

  QPushButton* cmdAggiorna = addButton("cmdAggiorna", QStringLiteral("Refresh"), 6030, 885);
  connect(cmdAggiorna, &QPushButton::clicked, this, &frmStatPercorso::cmdAggiorna_Click);
  QPushButton* cmdSaveAs = addButton("cmdSaveAs", QStringLiteral("Save as"), 7110, 795);
  connect(cmdSaveAs, &QPushButton::clicked, this, &frmStatPercorso::cmdSaveAs_Click);
  QPushButton* cmdGoogle = addButton("cmdGoogle", QStringLiteral("Google Earth"), 13380, 1485);
  connect(cmdGoogle, &QPushButton::clicked, this, &frmStatPercorso::cmdGoogle_Click);

  // Row 2: altitudes and climbing.
  addLabel(QStringLiteral("Altitude Max:"), 90, kRow2Caption, 1200);
  txtEleMax_ = addTextBox("txtEleMax", 1200, kRow2Box, 765, kTallBox);
  addLabel(QStringLiteral("m."), 2010, kRow2Caption, 2490);
  addLabel(QStringLiteral("Km"), 2490, kRow2Caption, 2820);
  txtDistEleMax_ = addTextBox("txtDistEleMax", 2820, kRow2Box, 855, kTallBox);
  addLabel(QStringLiteral("Min:"), 3720, kRow2Caption, 4110);
  txtEleMin_ = addTextBox("txtEleMin", 4110, kRow2Box, 765, kTallBox);
  addLabel(QStringLiteral("m."), 4920, kRow2Caption, 5340);
  addLabel(QStringLiteral("Km"), 5340, kRow2Caption, 5640);
  txtDistEleMin_ = addTextBox("txtDistEleMin", 5640, kRow2Box, 855, kTallBox);
  addLabel(QStringLiteral("Climbs:"), 6660, kRow2Caption, 7140);
  txtDislivello_ = addTextBox("txtDislivello", 7140, kRow2Box, 885, kTallBox);
  addLabel(QStringLiteral("m."), 8070, kRow2Caption, 8370);
  addLabel(QStringLiteral("in"), 8370, kRow2Caption, 8580);
  txtDistSalita_ = addTextBox("txtDistSalita", 8580, kRow2Box, 945, kTallBox);
  addLabel(QStringLiteral("Km"), 9600, kRow2Caption, 9960);
  addLabel(QStringLiteral("in"), 9960, kRow2Caption, 10200);
  txtTimeSalita_ = addTextBox("txtTimeSalita", 10200, kRow2Box, 765, kTallBox);

  // Row 3: distance and speeds.
  addLabel(QStringLiteral("Distance:"), 90, kRow3Caption, 900);
  txtDistanza_ = addTextBox("txtDistanza", 900, kRow3Box, 1185, kTallBox);
  addLabel(QStringLiteral("Km."), 2220, kRow3Caption, 2790);
  addLabel(QStringLiteral("Speed:"), 2790, kRow3Caption, 3510);
  txtVelocita_ = addTextBox("txtVelocita", 3510, kRow3Box, 1095, kShortBox);
  addLabel(QStringLiteral("Km/h"), 4710, kRow3Caption, 5430);
  addLabel(QStringLiteral("Max:"), 5430, kRow3Caption, 5880);
  txtVelocitaMax_ = addTextBox("txtVelocitaMax", 5880, kRow3Box, 1095, kShortBox);
  addLabel(QStringLiteral("Km/h"), 7080, kRow3Caption, 7680);
  addLabel(QStringLiteral("al Km"), 7680, kRow3Caption, 8130);
  txtDistMaxVel_ = addTextBox("txtDistMaxVel", 8130, kRow3Box, 795, kShortBox);

  // Row 4: times.
  addLabel(QStringLiteral("Start:"), 90, kRow4Caption, 570);
  txtInizio_ = addTextBox("txtInizio", 570, kRow4Box, 1755, kShortBox);
  addLabel(QStringLiteral("End:"), 2400, kRow4Caption, 2850);
  txtFine_ = addTextBox("txtFine", 2850, kRow4Box, 1755, kShortBox);
  addLabel(QStringLiteral("Duration:"), 4740, kRow4Caption, 5430);
  txtDurata_ = addTextBox("txtDurata", 5430, kRow4Box, 915, kShortBox);

  // How the map is coloured, beside rows 2 to 4.
  frmColorazione_ = new QGroupBox(QStringLiteral("Coloration"), this);
  frmColorazione_->setObjectName(QStringLiteral("frmColorazione"));
  place(frmColorazione_, 11340, 660, 2415, 795);
  optAltezza_ = new QRadioButton(QStringLiteral("Altitude"), frmColorazione_);
  optAltezza_->setObjectName(QStringLiteral("optAltezza"));
  optAltezza_->setChecked(true);
  optVelocita_ = new QRadioButton(QStringLiteral("Speed"), frmColorazione_);
  optVelocita_->setObjectName(QStringLiteral("optVelocita"));
  connect(optAltezza_, &QRadioButton::clicked, this, &frmStatPercorso::optAltezza_Click);
  connect(optVelocita_, &QRadioButton::clicked, this, &frmStatPercorso::optVelocita_Click);
  auto* options = new QVBoxLayout(frmColorazione_);
  options->setContentsMargins(pixelsX(120), 0, pixelsX(60), 0);
  options->setSpacing(0);
  options->addWidget(optAltezza_);
  options->addWidget(optVelocita_);
}

}  // namespace vianora::gui
