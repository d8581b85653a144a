#pragma once

#include <QDialog>

namespace vianora::gui {

/// The small non-modal window shown while Google Earth Pro is starting; its Cancel button (or
/// closing it) gives up waiting. Object names: "earthWaitDialog", its button "cancelButton".
class EarthWaitDialog : public QDialog {
  Q_OBJECT

 public:
  explicit EarthWaitDialog(QWidget* parent);
};

}  // namespace vianora::gui
