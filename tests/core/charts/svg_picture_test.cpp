#include "core/charts/svg_picture.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

TEST(SvgPicture, KeepsTwipCoordinatesColoursAndCaptions) {
  ChartPicture picture;
  picture.width = 14755;
  picture.height = 9400;
  picture.lineSets.push_back(
      {ChartLine{120, 30, 120, 9000, rgb(0, 0, 0), 1, LineStyle::Solid, true},
       ChartLine{1000.5f, 8000, 1000.5f, 30, rgb(255, 128, 0), 2, LineStyle::Dot, true},
       ChartLine{1, 2, 3, 4, rgb(1, 2, 3), 2, LineStyle::Solid, false}});
  picture.labels.push_back(ChartLabel{1020.5f, 9100, "0.5 <&>", true});
  const std::string svg = svgOfPicture(picture);
  EXPECT_NE(svg.find("viewBox=\"0 0 14755 9400\""), std::string::npos);
  EXPECT_NE(svg.find("<line x1=\"120\" y1=\"30\" x2=\"120\" y2=\"9000\" stroke=\"#000000\" "
                     "stroke-width=\"15\"/>"),
            std::string::npos);
  EXPECT_NE(svg.find("x1=\"1000.5\" y1=\"8000\" x2=\"1000.5\" y2=\"30\" stroke=\"#ff8000\" "
                     "stroke-width=\"30\" stroke-dasharray=\"15 30\""),
            std::string::npos);
  EXPECT_EQ(svg.find("#010203"), std::string::npos);  // hidden lines are left out
  EXPECT_NE(svg.find(">0.5 &lt;&amp;&gt;</text>"), std::string::npos);
}

}  // namespace
}  // namespace vianora
