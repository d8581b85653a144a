#include "core/charts/svg_picture.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

TEST(SvgPicture, WritesVisibleLinesAndLabelsInTwipsWithEscapedCaptions) {
  ChartPicture picture{300, 150, {}, {}};
  picture.lineSets = {{ChartLine{10, 20, 30, 40.5f, rgb(1, 2, 3), 2, LineStyle::Solid, true},
                       ChartLine{1, 1, 2, 2, rgb(9, 9, 9), 1, LineStyle::Solid, false}},
                      {ChartLine{50, 60, 50, 0, rgb(255, 128, 0), 1, LineStyle::Dot, true}}};
  picture.labels = {ChartLabel{12.5f, 100, "a<&>\"b", true}, ChartLabel{0, 0, "hidden", false}};
  EXPECT_EQ(svgOfPicture(picture),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 300 150\" width=\"20\" "
            "height=\"10\" font-family=\"sans-serif\" font-size=\"160\">\n"
            "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n"
            "<line x1=\"10\" y1=\"20\" x2=\"30\" y2=\"40.5\" stroke=\"#010203\" "
            "stroke-width=\"30\"/>\n"
            "<line x1=\"50\" y1=\"60\" x2=\"50\" y2=\"0\" stroke=\"#ff8000\" stroke-width=\"15\" "
            "stroke-dasharray=\"15 30\"/>\n"
            "<text x=\"12.5\" y=\"260\">a&lt;&amp;&gt;&quot;b</text>\n"
            "</svg>\n");
}

}  // namespace
}  // namespace vianora
