#include "gui/app/frm_info.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

namespace vianora::gui {
namespace {

TEST(FrmInfo, ShowsItsTextsInTheirColoursAndOnlyTheAddressOpensAPage) {
  std::vector<QUrl> opened;
  frmInfo window(nullptr, [&](const QUrl& url) { opened.push_back(url); });
  EXPECT_TRUE(window.windowTitle() == "About" && window.palette().window() == Qt::black);
  const std::tuple<QString, const char*, QRgb> labels[] = {
      {QString::asprintf("Quillon Vianora  (v %d.%d.%d)", VIANORA_VERSION_MAJOR,
                         VIANORA_VERSION_MINOR, VIANORA_VERSION_PATCH),
       "lblTitolo", 0xe0e0e0},
      {"Quillon Vianora", "Label3", 0xff8000},
      {"by Brennmoor's staff", "Label2", 0xe0e0e0},
      {"the easy way to analyze your trip in bicycle, car, on foot", "Label5", 0xe0e0e0},
      {"and any other veichles. Distance, timing, altitude and speed of your excursions monitored",
       "Label6", 0xe0e0e0},
      {"monitored step by step. See our web site for futures and new release.", "Label7", 0xe0e0e0},
      {"www.brennmoor.example", "Label4", 0x80ffff},
  };
  for (const auto& [text, name, colour] : labels) {
    auto* label = window.findChild<QLabel*>(QLatin1String(name));
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->text(), text) << name;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(colour)) << name;
    QTest::mouseClick(label, Qt::LeftButton);
  }
  QTest::mouseClick(&window, Qt::LeftButton);
  EXPECT_EQ(opened, std::vector<QUrl>{QUrl("http://www.brennmoor.example")});
}

}  // namespace
}  // namespace vianora::gui
