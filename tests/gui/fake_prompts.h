#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "gui/import/user_prompts.h"

namespace vianora::gui::test_support {

/// Answers dialogs with queued choices (none left: cancel) and records dialogs and messages.
struct FakePrompts : UserPrompts {
  using Answers = std::deque<std::optional<FileChoice>>;
  struct Message {
    QString kind, title, text;  // kind: "critical" or "information"
  };
  struct DialogCall {
    QStringList filters;
    QString folder;
    int filterPosition;  // 0 for the Save dialog
  };
  Answers answers, saveAnswers;              ///< one per Open dialog, one per Save dialog
  std::deque<std::optional<QString>> texts;  ///< one per question (none left: cancel)
  std::vector<DialogCall> dialogs;
  std::vector<Message> messages;

  std::optional<FileChoice> chooseFileToOpen(QWidget*, const QStringList& filters,
                                             const QString& folder, int filterPosition) override {
    return next(answers, {filters, folder, filterPosition});
  }
  std::optional<FileChoice> chooseFileToSave(QWidget*, const QStringList& filters,
                                             const QString& folder) override {
    return next(saveAnswers, {filters, folder, 0});
  }
  std::optional<QString> askText(QWidget*, const QString&, const QString&,
                                 const QString&) override {
    if (texts.empty()) return std::nullopt;
    const auto answer = texts.front();
    texts.pop_front();
    return answer;
  }
  void critical(QWidget*, const QString& title, const QString& text) override {
    messages.push_back({QStringLiteral("critical"), title, text});
  }
  void information(QWidget*, const QString& title, const QString& text) override {
    messages.push_back({QStringLiteral("information"), title, text});
  }
  std::optional<FileChoice> next(Answers& queue, DialogCall call) {
    dialogs.push_back(std::move(call));
    if (queue.empty()) return std::nullopt;
    const auto answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

}  // namespace vianora::gui::test_support
