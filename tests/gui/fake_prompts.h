#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "gui/import/user_prompts.h"

namespace vianora::gui::test_support {

/// Answers the Open dialog with queued choices and records every message instead of showing it.
class FakePrompts : public UserPrompts {
 public:
  struct Message {
    QString kind;  // "critical" or "information"
    QString title;
    QString text;
  };
  struct DialogCall {
    QStringList filters;
    QString folder;
    int filterPosition;
  };

  std::deque<std::optional<FileChoice>> answers;      ///< one per Open dialog; empty queue = cancel
  std::deque<std::optional<FileChoice>> saveAnswers;  ///< one per Save dialog
  std::vector<DialogCall> dialogs;
  std::vector<Message> messages;
  std::function<void()> whenShowing;  ///< called as each message would show

  std::optional<FileChoice> chooseFileToOpen(QWidget*, const QStringList& filters,
                                             const QString& folder, int filterPosition) override {
    dialogs.push_back({filters, folder, filterPosition});
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<FileChoice> chooseFileToSave(QWidget*, const QStringList& filters,
                                             const QString& folder) override {
    dialogs.push_back({filters, folder, 0});
    if (saveAnswers.empty()) return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  }
  void critical(QWidget*, const QString& title, const QString& text) override {
    if (whenShowing) whenShowing();
    messages.push_back({QStringLiteral("critical"), title, text});
  }
  void information(QWidget*, const QString& title, const QString& text) override {
    if (whenShowing) whenShowing();
    messages.push_back({QStringLiteral("information"), title, text});
  }
};

}  // namespace vianora::gui::test_support
