#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "gui/import/user_prompts.h"

namespace vianora::gui::test_support {

/// Answers the Open and Save dialogs with queued choices (an empty queue cancels) and records
/// every message instead of showing it.
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

  Answers answers, saveAnswers;  ///< one per Open dialog, one per Save dialog
  std::vector<DialogCall> dialogs;
  std::vector<Message> messages;
  std::function<void()> whenShowing;  ///< called as each message would show

  std::optional<FileChoice> chooseFileToOpen(QWidget*, const QStringList& filters,
                                             const QString& folder, int filterPosition) override {
    dialogs.push_back({filters, folder, filterPosition});
    return next(answers);
  }
  std::optional<FileChoice> chooseFileToSave(QWidget*, const QStringList& filters,
                                             const QString& folder) override {
    dialogs.push_back({filters, folder, 0});
    return next(saveAnswers);
  }
  void critical(QWidget*, const QString& title, const QString& text) override {
    show("critical", title, text);
  }
  void information(QWidget*, const QString& title, const QString& text) override {
    show("information", title, text);
  }
  static std::optional<FileChoice> next(Answers& queue) {
    if (queue.empty()) return std::nullopt;
    const auto answer = queue.front();
    queue.pop_front();
    return answer;
  }
  void show(const char* kind, const QString& title, const QString& text) {
    if (whenShowing) whenShowing();
    messages.push_back({QString::fromLatin1(kind), title, text});
  }
};

}  // namespace vianora::gui::test_support
