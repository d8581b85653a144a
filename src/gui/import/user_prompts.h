#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace vianora::gui {

/// The questions and messages the program puts to the user. Windows ask through this, so that
/// tests can answer in place of a person.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;

  /// A file chosen in the Open dialog, with the position of the filter left selected
  /// (counted from 1).
  struct FileChoice {
    QString path;
    int filterPosition = 1;
  };

  /// Shows the Open dialog; no value when the user cancels.
  virtual std::optional<FileChoice> chooseFileToOpen(QWidget* parent, const QStringList& filters,
                                                     const QString& folder, int filterPosition) = 0;
  /// Shows the Save dialog; no value when the user cancels.
  virtual std::optional<FileChoice> chooseFileToSave(QWidget* parent, const QStringList& filters,
                                                     const QString& folder) = 0;
  /// Asks for a line of text, `initial` filled in; no value when the user cancels.
  virtual std::optional<QString> askText(QWidget* parent, const QString& title,
                                         const QString& label, const QString& initial) = 0;
  /// A message with the critical icon and a single OK button.
  virtual void critical(QWidget* parent, const QString& title, const QString& text) = 0;
  /// A message with the information icon and a single OK button.
  virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
};

/// The real dialogs and message boxes.
class DialogPrompts : public UserPrompts {
 public:
  std::optional<FileChoice> chooseFileToOpen(QWidget* parent, const QStringList& filters,
                                             const QString& folder, int filterPosition) override;
  std::optional<FileChoice> chooseFileToSave(QWidget* parent, const QStringList& filters,
                                             const QString& folder) override;
  std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                 const QString& initial) override;
  void critical(QWidget* parent, const QString& title, const QString& text) override;
  void information(QWidget* parent, const QString& title, const QString& text) override;
};

/// The title of the program's own messages.
inline const QString kApplicationTitle = QStringLiteral("vianora");

}  // namespace vianora::gui
