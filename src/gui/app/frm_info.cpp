#include "gui/app/frm_info.h"

#include <QDesktopServices>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "gui/app/app_icons.h"

namespace vianora::gui {

namespace {

const QColor kTextGrey(224, 224, 224);
const QColor kNameOrange(255, 128, 0);
const QColor kLinkCyan(128, 255, 255);

// The picture is 600 by 516 pixels; it is shown at half that size at 96 dpi.
constexpr int kPictureWidth = 300;
constexpr int kPictureHeight = 258;
constexpr qreal kDesignDpi = 96.0;

// Type sizes in points: the title and the address stand out from the description.
constexpr int kTextPoints = 12;
constexpr int kTitlePoints = 18;

// Spaces in pixels: between the lines of a group, after the title, between groups, around the
// window (a little wider on the right) and between the picture and the texts.
constexpr int kLineSpacing = 2;
constexpr int kAfterTitle = 10;
constexpr int kBetweenGroups = 12;
constexpr int kMargin = 16;
constexpr int kRightMargin = 20;
constexpr int kPictureGap = 20;

// The window's typeface, with the desktop's sans-serif face where that one is missing.
QFont windowFont(int points, bool bold = false) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Sans Serif")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

// The web address: a label that reports a press of the left mouse button.
class LinkLabel : public QLabel {
 public:
  LinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
      : QLabel(text, parent), onClick_(std::move(onClick)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) {
      QLabel::mousePressEvent(event);
      return;
    }
    event->accept();
    if (onClick_) onClick_();
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace

frmInfo::frmInfo(QWidget* parent, UrlOpener openUrl)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      openUrl_(std::move(openUrl)) {
  loadImageResources();
  setObjectName(QStringLiteral("frmInfo"));
  setWindowTitle(QStringLiteral("About"));
  setWindowIcon(applicationIcon());

  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::black);
  colours.setColor(QPalette::WindowText, kTextGrey);
  setPalette(colours);
  setAutoFillBackground(true);
  setFont(windowFont(kTextPoints));

  auto label = [this](const char* name, const QString& text, const QFont& font,
                      const QColor& colour = kTextGrey) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
  };

  QLabel* lblTitolo =
      label("lblTitolo",
            versionCaption(VIANORA_VERSION_MAJOR, VIANORA_VERSION_MINOR, VIANORA_VERSION_PATCH),
            windowFont(kTitlePoints));
  QLabel* label3 = label("Label3", QStringLiteral("Quillon Vianora"), windowFont(kTextPoints, true),
                         kNameOrange);
  QLabel* label2 = label("Label2", QStringLiteral("by Brennmoor's staff"), windowFont(kTextPoints));
  QLabel* label5 = label("Label5",
                         QStringLiteral("the easy way to analyze your trip in bicycle, car, "
                                        "on foot"),
                         windowFont(kTextPoints));
  QLabel* label6 = label("Label6",
                         QStringLiteral("and any other veichles. Distance, timing, altitude "
                                        "and speed of your excursions monitored"),
                         windowFont(kTextPoints));
  QLabel* label7 = label("Label7",
                         QStringLiteral("monitored step by step. See our web site for "
                                        "futures and new release."),
                         windowFont(kTextPoints));

  auto* label4 = new LinkLabel(
      webAddress(), [this] { openWebPage(); }, this);
  label4->setObjectName(QStringLiteral("Label4"));
  label4->setTextFormat(Qt::PlainText);
  label4->setFont(windowFont(kTitlePoints));
  QPalette linkColours = label4->palette();
  linkColours.setColor(QPalette::WindowText, kLinkCyan);
  label4->setPalette(linkColours);
  label4->setCursor(Qt::PointingHandCursor);
  label4->setToolTip(webUrl().toString());
  label4->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

  // The picture keeps its proportions and grows with the text when fonts are set larger
  // than 96 dpi; QLabel scales it smoothly for the screen's pixel density.
  const qreal textScale = std::max(1.0, logicalDpiX() / kDesignDpi);
  const QSize pictureSize(static_cast<int>(std::lround(kPictureWidth * textScale)),
                          static_cast<int>(std::lround(kPictureHeight * textScale)));
  auto* picture1 = new QLabel(this);
  picture1->setObjectName(QStringLiteral("Picture1"));
  picture1->setPixmap(QPixmap(QStringLiteral(":/vianora/about.png")));
  picture1->setScaledContents(true);
  picture1->setFixedSize(pictureSize);

  // The description wraps at the width of its first line, which then stays whole, and never
  // narrower than the title or the address; the window ends up about as tall as the picture.
  const int textWidth = std::max(
      {lblTitolo->sizeHint().width(), label4->sizeHint().width(), label5->sizeHint().width()});
  for (QLabel* wrapped : {label5, label6, label7}) {
    wrapped->setWordWrap(true);
    wrapped->setFixedWidth(textWidth);
  }

  auto* texts = new QVBoxLayout;
  texts->setSpacing(kLineSpacing);
  texts->addWidget(lblTitolo);
  texts->addSpacing(kAfterTitle);
  texts->addWidget(label3);
  texts->addWidget(label2);
  texts->addSpacing(kBetweenGroups);
  texts->addWidget(label5);
  texts->addWidget(label6);
  texts->addWidget(label7);
  texts->addStretch(1);
  texts->addSpacing(kBetweenGroups);
  texts->addWidget(label4, 0, Qt::AlignLeft);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, kRightMargin, kMargin);
  layout->setSpacing(kPictureGap);
  layout->addWidget(picture1, 0, Qt::AlignTop);
  layout->addLayout(texts, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString frmInfo::versionCaption(int major, int minor, int revision) {
  return QStringLiteral("Quillon Vianora  (v %1.%2.%3)").arg(major).arg(minor).arg(revision);
}

QString frmInfo::webAddress() { return QStringLiteral("www.brennmoor.example"); }

QUrl frmInfo::webUrl() { return QUrl(QStringLiteral("http://") + webAddress()); }

void frmInfo::openWebPage() {
  // Whether a browser could be started is of no concern here: nothing is reported.
  if (openUrl_) {
    openUrl_(webUrl());
  } else {
    QDesktopServices::openUrl(webUrl());
  }
}

}  // namespace vianora::gui
