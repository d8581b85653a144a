// The About window: its version caption, texts and colours, and that only the address opens a page.
#include "gui/app/frm_info.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "gui/app/app_icons.h"

namespace vianora::gui {
namespace {

TEST(FrmInfo, CaptionWritesTheVersionNumbersInDecimal) {
  EXPECT_EQ(frmInfo::versionCaption(1, 0, 4), "Quillon Vianora  (v 1.0.4)");
  EXPECT_EQ(frmInfo::versionCaption(2, 3, 17), "Quillon Vianora  (v 2.3.17)");
}

TEST(FrmInfo, ShowsItsTextsInTheirColoursBesideThePictureAndOnlyTheAddressOpensAPage) {
  std::vector<QUrl> opened;
  frmInfo window(nullptr, [&](const QUrl& url) { opened.push_back(url); });
  window.show();
  EXPECT_TRUE(window.windowTitle() == "About" &&
              window.palette().color(QPalette::Window) == Qt::black);
  auto* picture = window.findChild<QLabel*>(QStringLiteral("Picture1"));
  const QString title =
      frmInfo::versionCaption(VIANORA_VERSION_MAJOR, VIANORA_VERSION_MINOR, VIANORA_VERSION_PATCH);
  const std::tuple<const char*, QRgb, QString> labels[] = {
      {"lblTitolo", 0xe0e0e0, title},
      {"Label3", 0xff8000, "Quillon Vianora"},
      {"Label2", 0xe0e0e0, "by Brennmoor's staff"},
      {"Label5", 0xe0e0e0, "the easy way to analyze your trip in bicycle, car, on foot"},
      {"Label6", 0xe0e0e0,
       "and any other veichles. Distance, timing, altitude and speed of your "
       "excursions monitored"},
      {"Label7", 0xe0e0e0, "monitored step by step. See our web site for futures and new release."},
      {"Label4", 0x80ffff, "www.brennmoor.example"},
  };
  for (const auto& [name, colour, text] : labels) {
    auto* label = window.findChild<QLabel*>(QLatin1String(name));
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->text(), text) << name;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(colour)) << name;
    EXPECT_FALSE(label->geometry().intersects(picture->geometry())) << name;
    EXPECT_TRUE(window.rect().contains(label->geometry())) << name;
    QTest::mouseClick(label, Qt::LeftButton);
  }
  QTest::mouseClick(picture, Qt::LeftButton);
  QTest::mouseClick(&window, Qt::LeftButton);
  EXPECT_EQ(opened, std::vector<QUrl>{QUrl("http://www.brennmoor.example")});
}

// The arrow over the top passes the middle of the top edge; the middle stays clear.
TEST(AppIcons, UpdateButtonIconIsEighteenByTwentyWithArrowsRoundItsMiddle) {
  const QImage image = updateButtonIcon().pixmap(QSize(18, 20), 1.0).toImage();
  EXPECT_EQ(image.size(), QSize(18, 20));
  EXPECT_GT(qAlpha(image.pixel(9, 4)), 128);
  EXPECT_EQ(qAlpha(image.pixel(9, 10)), 0);
}

}  // namespace
}  // namespace vianora::gui
