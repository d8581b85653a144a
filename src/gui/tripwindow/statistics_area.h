#pragma once

#include <string>
#include <vector>

#include "core/analysis/statistics_texts.h"

class QLineEdit;
class QWidget;

namespace vianora::gui {

/// The statistics rows of the trip window: the fourteen text boxes (txtEleMax, txtDistanza,
/// ...) and their captions, each at its design position, children of the window.
class StatisticsArea {
 public:
  explicit StatisticsArea(QWidget& window);

  /// Shows each text in its own box.
  void show(const StatisticsTexts& texts);

 private:
  struct Box {
    QLineEdit* edit;
    std::string StatisticsTexts::*text;
  };

  std::vector<Box> boxes_;
};

}  // namespace vianora::gui
