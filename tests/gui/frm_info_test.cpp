// The About window: its version caption, its texts and colours, and what a click opens.
#include "gui/app/frm_info.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QUrl>
#include <vector>

#include "gui/app/app_icons.h"

namespace vianora::gui {
namespace {

QLabel* labelOf(const frmInfo& window, const char* name) {
  auto* label = window.findChild<QLabel*>(QLatin1String(name));
  EXPECT_NE(label, nullptr) << name;
  return label;
}

QColor textColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

// A left click, as the window system delivers it, at the middle of widget.
void click(QWidget* widget) {
  const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  const QPointF global = widget->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

TEST(FrmInfoVersionCaption, WritesTheThreeNumbersAfterTwoBlanks) {
  EXPECT_EQ(frmInfo::versionCaption(1, 0, 4), QStringLiteral("Quillon Vianora  (v 1.0.4)"));
  EXPECT_TRUE(frmInfo::versionCaption(1, 0, 4).endsWith(QStringLiteral("(v 1.0.4)")));
}

TEST(FrmInfoVersionCaption, WritesNumbersWithoutLeadingZeros) {
  EXPECT_TRUE(frmInfo::versionCaption(2, 3, 17).endsWith(QStringLiteral("(v 2.3.17)")));
  EXPECT_EQ(frmInfo::versionCaption(10, 0, 0), QStringLiteral("Quillon Vianora  (v 10.0.0)"));
}

TEST(FrmInfo, TitleShowsTheProgramVersion) {
  frmInfo window;
  const QString expected = QStringLiteral("Quillon Vianora  (v %1.%2.%3)")
                               .arg(VIANORA_VERSION_MAJOR)
                               .arg(VIANORA_VERSION_MINOR)
                               .arg(VIANORA_VERSION_PATCH);
  EXPECT_EQ(labelOf(window, "lblTitolo")->text(), expected);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("About"));
  EXPECT_TRUE(window.isWindow());
  EXPECT_FALSE(window.isModal());
}

TEST(FrmInfo, ShowsItsTextsExactlyAsWritten) {
  frmInfo window;
  EXPECT_EQ(labelOf(window, "Label3")->text(), QStringLiteral("Quillon Vianora"));
  EXPECT_EQ(labelOf(window, "Label2")->text(), QStringLiteral("by Brennmoor's staff"));
  EXPECT_EQ(labelOf(window, "Label5")->text(),
            QStringLiteral("the easy way to analyze your trip in bicycle, car, on foot"));
  EXPECT_EQ(labelOf(window, "Label6")->text(),
            QStringLiteral("and any other veichles. Distance, timing, altitude and speed of "
                           "your excursions monitored"));
  EXPECT_EQ(labelOf(window, "Label7")->text(),
            QStringLiteral("monitored step by step. See our web site for futures and new "
                           "release."));
  EXPECT_EQ(labelOf(window, "Label4")->text(), QStringLiteral("www.brennmoor.example"));
  EXPECT_EQ(frmInfo::webAddress(), QStringLiteral("www.brennmoor.example"));
}

TEST(FrmInfo, PaintsLightGreyOnBlackWithAnOrangeNameAndACyanAddress) {
  frmInfo window;
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_TRUE(window.autoFillBackground());
  const QColor grey(224, 224, 224);
  for (const char* name : {"lblTitolo", "Label2", "Label5", "Label6", "Label7"}) {
    EXPECT_EQ(textColour(labelOf(window, name)), grey) << name;
  }
  EXPECT_EQ(textColour(labelOf(window, "Label3")), QColor(255, 128, 0));
  EXPECT_EQ(textColour(labelOf(window, "Label4")), QColor(128, 255, 255));
}

TEST(FrmInfo, LaysOutTheTextsBesideThePictureWithoutOverlap) {
  frmInfo window;
  window.show();
  window.adjustSize();
  QLabel* picture = labelOf(window, "Picture1");
  std::vector<QLabel*> texts;
  for (const char* name :
       {"lblTitolo", "Label3", "Label2", "Label5", "Label6", "Label7", "Label4"}) {
    texts.push_back(labelOf(window, name));
  }
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_FALSE(texts[i]->geometry().intersects(picture->geometry()))
        << texts[i]->objectName().toStdString();
    EXPECT_TRUE(window.rect().contains(texts[i]->geometry()))
        << texts[i]->objectName().toStdString();
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      EXPECT_FALSE(texts[i]->geometry().intersects(texts[j]->geometry()))
          << texts[i]->objectName().toStdString() << " / " << texts[j]->objectName().toStdString();
    }
  }
}

TEST(FrmInfo, ClickOnTheAddressOpensTheMakersWebPage) {
  std::vector<QUrl> opened;
  frmInfo window(nullptr, [&](const QUrl& url) { opened.push_back(url); });
  QLabel* address = labelOf(window, "Label4");
  EXPECT_EQ(address->cursor().shape(), Qt::PointingHandCursor);
  click(address);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened.front(), QUrl(QStringLiteral("http://www.brennmoor.example")));
  EXPECT_EQ(frmInfo::webUrl(), opened.front());
}

TEST(FrmInfo, ClicksAnywhereElseOpenNothing) {
  std::vector<QUrl> opened;
  frmInfo window(nullptr, [&](const QUrl& url) { opened.push_back(url); });
  for (const char* name :
       {"Label5", "lblTitolo", "Label3", "Label2", "Label6", "Label7", "Picture1"}) {
    click(labelOf(window, name));
  }
  click(&window);
  EXPECT_TRUE(opened.empty());
}

TEST(AppIcons, UpdateButtonIconIsEighteenByTwentyAndNotBlank) {
  const QIcon icon = updateButtonIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(icon.availableSizes().contains(QSize(18, 20)));
  const QImage image = icon.pixmap(QSize(18, 20), 1.0).toImage();
  EXPECT_EQ(image.size(), QSize(18, 20));
  int drawn = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) > 128) ++drawn;
    }
  }
  EXPECT_GT(drawn, 30);
  EXPECT_LT(drawn, 18 * 20 / 2);
}

}  // namespace
}  // namespace vianora::gui
