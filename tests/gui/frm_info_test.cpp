// The About window: its texts and colours; only the address opens a page.
#include "gui/app/frm_info.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

namespace vianora::gui {
namespace {

TEST(FrmInfo, ShowsItsTextsInTheirColoursAndOnlyTheAddressOpensAPage) {
  std::vector<QUrl> opened;
  frmInfo window(nullptr, [&](const QUrl& url) { opened.push_back(url); });
  window.show();
  EXPECT_TRUE(window.windowTitle() == "About" && window.palette().window() == Qt::black);
  auto* picture = window.findChild<QLabel*>(QStringLiteral("Picture1"));
  const std::tuple<const char*, QRgb, QString> labels[] = {
      {"lblTitolo", 0xe0e0e0,
       QString::asprintf("Quillon Vianora  (v %d.%d.%d)", VIANORA_VERSION_MAJOR,
                         VIANORA_VERSION_MINOR, VIANORA_VERSION_PATCH)},
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
    QTest::mouseClick(label, Qt::LeftButton);
  }
  QTest::mouseClick(picture, Qt::LeftButton);
  QTest::mouseClick(&window, Qt::LeftButton);
  EXPECT_EQ(opened, std::vector<QUrl>{QUrl("http://www.brennmoor.example")});
}

}  // namespace
}  // namespace vianora::gui
