#pragma once

#include "gui/import/user_prompts.h"

namespace vianora::bench {

/// Answers no dialog and shows no message: benchmarks measure the work, not a person.
class SilentPrompts : public gui::UserPrompts {
 public:
  std::optional<FileChoice> chooseFileToOpen(QWidget*, const QStringList&, const QString&,
                                             int) override {
    return std::nullopt;
  }
  std::optional<FileChoice> chooseFileToSave(QWidget*, const QStringList&,
                                             const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> askText(QWidget*, const QString&, const QString&,
                                 const QString&) override {
    return std::nullopt;
  }
  void critical(QWidget*, const QString&, const QString&) override {}
  void information(QWidget*, const QString&, const QString&) override {}
};

}  // namespace vianora::bench
