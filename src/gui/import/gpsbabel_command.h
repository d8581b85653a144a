#pragma once

#include <QString>

#include "core/import/gpsbabel_import.h"

class QProgressBar;
class QPushButton;
class QWidget;

namespace vianora::gui {

class OpenCommand;
class UserPrompts;

/// File > "Import with GPSBabel...": asks for a file among the formats the installed GPSBabel
/// reads (one filter each, its description and extension), converts it and reads the GPX as
/// the Open command reads a file, with a busy bar and a Cancel button meanwhile. Without
/// GPSBabel it says how to install it. The dialog starts where the last one ended.
class GpsBabelCommand {
 public:
  GpsBabelCommand(Percorsi& store, OpenCommand& reading, UserPrompts& prompts)
      : store_(store), reading_(reading), prompts_(prompts) {}

  /// Where GPSBabel is and how long it may take.
  void setSettings(GpsBabelSettings settings) { settings_ = std::move(settings); }

  /// Shows the dialog and imports the chosen file; false when nothing was imported because
  /// GPSBabel is missing or the user cancelled the dialog. `cancel` is shown during the import
  /// and stops it when clicked.
  bool run(QWidget* parent, QProgressBar* progress, QPushButton* cancel);

 private:
  Percorsi& store_;
  OpenCommand& reading_;
  UserPrompts& prompts_;
  GpsBabelSettings settings_;
  QString folder_;
  QString format_;  // the name of the format chosen last
};

}  // namespace vianora::gui
