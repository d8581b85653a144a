#include "core/earth/kml_documents.h"

#include <gtest/gtest.h>

#include <vector>

namespace vianora {
namespace {

TEST(LinkSecret, WritesFourRandomWordsAsThirtyTwoLowerCaseHexDigits) {
  const std::vector<std::uint32_t> words = {0x01234567, 0x89ABCDEF, 0x00C0FFEE, 0xF000000A};
  std::size_t drawn = 0;
  EXPECT_EQ(linkSecret([&] { return words.at(drawn++); }), "0123456789abcdef00c0ffeef000000a");
  EXPECT_EQ(drawn, 4u);
  EXPECT_EQ(cameraUrl(54321, "00ff"), "http://127.0.0.1:54321/vianora/00ff/camera.kml");
}

const std::string kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n";

// KML 2.2 orders the children: flyToView before Link; href, refreshMode, refreshInterval.
TEST(LaunchKml, HoldsOneNetworkLinkThatFliesToEachAnswer) {
  EXPECT_EQ(launchKml("http://127.0.0.1:1/a?b=1&c=<2>'\"", 1.25),
            kHead +
                "  <NetworkLink>\n    <name>vianora fly-through</name>\n"
                "    <flyToView>1</flyToView>\n    <Link>\n"
                "      <href>http://127.0.0.1:1/a?b=1&amp;c=&lt;2&gt;&apos;&quot;</href>\n"
                "      <refreshMode>onInterval</refreshMode>\n"
                "      <refreshInterval>1.25</refreshInterval>\n"
                "      <viewRefreshMode>never</viewRefreshMode>\n      <viewFormat></viewFormat>\n"
                "    </Link>\n  </NetworkLink>\n</kml>\n");
}

// The control before the feature, minRefreshPeriod (a week) before the view, LookAt's
// children in KML 2.2's order.
TEST(CameraKml, CarriesTheViewAndOnStopHoldsBackTheLinkForAWeek) {
  LookAt view;
  view.latitude = 45.123456789;
  view.longitude = -7.5;
  view.altitude = 1000;
  view.heading = 90;
  view.tilt = 30;
  view.range = 1500;
  view.altitudeMode = AltitudeMode::RelativeToGround;
  const std::string lookAt =
      "    <LookAt>\n      <longitude>-7.5</longitude>\n      <latitude>45.123456789</latitude>\n"
      "      <altitude>1000</altitude>\n      <heading>90</heading>\n      <tilt>30</tilt>\n"
      "      <range>1500</range>\n      <altitudeMode>relativeToGround</altitudeMode>\n"
      "    </LookAt>\n";
  const std::string control = "  <NetworkLinkControl>\n";
  const std::string stop = "    <minRefreshPeriod>604800</minRefreshPeriod>\n";
  const std::string tail =
      "  </NetworkLinkControl>\n  <Document><name>vianora fly-through</name></Document>\n</kml>\n";
  EXPECT_EQ(cameraKml(view), kHead + control + lookAt + tail);
  EXPECT_EQ(cameraKml(view, LinkRefresh::Stop), kHead + control + stop + lookAt + tail);
  EXPECT_EQ(cameraKml(std::nullopt, LinkRefresh::Stop), kHead + control + stop + tail);
  EXPECT_EQ(cameraKml(std::nullopt), kHead + tail.substr(tail.find("  <Document>")));
}

}  // namespace
}  // namespace vianora
