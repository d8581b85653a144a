#include "gui/tripwindow/statistics_area.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <algorithm>
#include <iterator>

#include "gui/tripwindow/design_scale.h"

namespace vianora::gui {
namespace {

// Tops of the boxes of each row and, a little lower, of their captions; heights of the boxes.
constexpr int kRow2Box = 480;
constexpr int kRow2Caption = 540;
constexpr int kRow3Box = 840;
constexpr int kRow3Caption = 900;
constexpr int kRow4Box = 1200;
constexpr int kRow4Caption = 1230;
constexpr int kTallBox = 315;
constexpr int kShortBox = 285;

// Captions keep this gap from the control after them. Captions and figures too wide for their
// room are written narrower, down to half width.
constexpr int kCaptionGap = 30;
constexpr int kNarrowestStretch = 50;
// Space a text box keeps between its frame and its text.
constexpr int kLineEditMargin = 2;

// One control of the area, in twips: a text box when it has an object name, else a caption,
// which takes the width of its text.
struct Control {
  const char* name;
  const char* caption;
  int left;
  int top;
  int width;
  int height;
  std::string StatisticsTexts::*text;
};

constexpr Control caption(const char* text, int left, int top) {
  return {nullptr, text, left, top, 0, 0, nullptr};
}

constexpr Control box(const char* name, std::string StatisticsTexts::*text, int left, int top,
                      int width, int height) {
  return {name, nullptr, left, top, width, height, text};
}

// Left to right, row by row; every row ends with a box, so a caption's room ends where the
// next control begins.
using T = StatisticsTexts;
constexpr Control kControls[] = {
    caption("Altitude Max:", 90, kRow2Caption),
    box("txtEleMax", &T::altitudeMax, 1200, kRow2Box, 765, kTallBox),
    caption("m.", 2010, kRow2Caption),
    caption("Km", 2490, kRow2Caption),
    box("txtDistEleMax", &T::altitudeMaxKm, 2820, kRow2Box, 855, kTallBox),
    caption("Min:", 3720, kRow2Caption),
    box("txtEleMin", &T::altitudeMin, 4110, kRow2Box, 765, kTallBox),
    caption("m.", 4920, kRow2Caption),
    caption("Km", 5340, kRow2Caption),
    box("txtDistEleMin", &T::altitudeMinKm, 5640, kRow2Box, 855, kTallBox),
    caption("Climbs:", 6660, kRow2Caption),
    box("txtDislivello", &T::ascent, 7140, kRow2Box, 885, kTallBox),
    caption("m.", 8070, kRow2Caption),
    caption("in", 8370, kRow2Caption),
    box("txtDistSalita", &T::climbDistance, 8580, kRow2Box, 945, kTallBox),
    caption("Km", 9600, kRow2Caption),
    caption("in", 9960, kRow2Caption),
    box("txtTimeSalita", &T::climbTime, 10200, kRow2Box, 765, kTallBox),

    caption("Distance:", 90, kRow3Caption),
    box("txtDistanza", &T::distance, 900, kRow3Box, 1185, kTallBox),
    caption("Km.", 2220, kRow3Caption),
    caption("Speed:", 2790, kRow3Caption),
    box("txtVelocita", &T::averageSpeed, 3510, kRow3Box, 1095, kShortBox),
    caption("Km/h", 4710, kRow3Caption),
    caption("Max:", 5430, kRow3Caption),
    box("txtVelocitaMax", &T::maxSpeed, 5880, kRow3Box, 1095, kShortBox),
    caption("Km/h", 7080, kRow3Caption),
    caption("al Km", 7680, kRow3Caption),
    box("txtDistMaxVel", &T::maxSpeedKm, 8130, kRow3Box, 795, kShortBox),

    caption("Start:", 90, kRow4Caption),
    box("txtInizio", &T::start, 570, kRow4Box, 1755, kShortBox),
    caption("End:", 2400, kRow4Caption),
    box("txtFine", &T::end, 2850, kRow4Box, 1755, kShortBox),
    caption("Duration:", 4740, kRow4Caption),
    box("txtDurata", &T::duration, 5430, kRow4Box, 915, kShortBox),
};

// Shows a figure in its box. A figure wider than the box is written narrower, down to half
// width, and then shown from its first character.
void showFigure(QLineEdit* box, const std::string& text) {
  const QString figure = QString::fromStdString(text);
  QFont font = box->font();
  font.setStretch(QFont::AnyStretch);
  const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
  const int room = box->width() - 2 * (frame + kLineEditMargin) - 1;
  const int needed = QFontMetrics(font).horizontalAdvance(figure);
  if (needed > room && room > 0) {
    font.setStretch(std::max(kNarrowestStretch, QFont::Unstretched * room / needed));
  }
  box->setFont(font);
  box->setText(figure);
  box->setCursorPosition(0);
}

// A caption wider than the room the design leaves it before the next control is narrowed
// rather than hidden under that control.
void addCaption(QWidget& window, const char* caption, int left, int top, int nextLeft) {
  const DesignScale scale(window);
  auto* label = new QLabel(QString::fromLatin1(caption), &window);
  label->move(scale.x(left), scale.y(top));
  label->adjustSize();
  const int room = scale.x(nextLeft - left - kCaptionGap);
  if (label->width() > room) {
    QFont narrow = label->font();
    narrow.setStretch(std::max(kNarrowestStretch, QFont::Unstretched * room / label->width()));
    label->setFont(narrow);
    label->adjustSize();
  }
}

}  // namespace

StatisticsArea::StatisticsArea(QWidget& window) {
  const DesignScale scale(window);
  for (auto control = std::begin(kControls); control != std::end(kControls); ++control) {
    if (control->caption != nullptr) {
      addCaption(window, control->caption, control->left, control->top, (control + 1)->left);
      continue;
    }
    auto* edit = new QLineEdit(&window);
    edit->setObjectName(QString::fromLatin1(control->name));
    scale.place(edit, {control->left, control->top, control->width, control->height});
    boxes_.push_back({edit, control->text});
  }
}

void StatisticsArea::show(const StatisticsTexts& texts) {
  for (const Box& box : boxes_) showFigure(box.edit, texts.*box.text);
}

}  // namespace vianora::gui
