#include "gui/import/user_prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace vianora::gui {

std::optional<UserPrompts::FileChoice> DialogPrompts::chooseFileToOpen(QWidget* parent,
                                                                       const QStringList& filters,
                                                                       const QString& folder,
                                                                       int filterPosition) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters(filters);
  dialog.setDirectory(folder);
  if (filterPosition >= 1 && filterPosition <= filters.size()) {
    dialog.selectNameFilter(filters[filterPosition - 1]);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FileChoice{dialog.selectedFiles().front(),
                    static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

std::optional<UserPrompts::FileChoice> DialogPrompts::chooseFileToSave(QWidget* parent,
                                                                       const QStringList& filters,
                                                                       const QString& folder) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.setDirectory(folder);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FileChoice{dialog.selectedFiles().front(),
                    static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

std::optional<QString> DialogPrompts::askText(QWidget* parent, const QString& title,
                                              const QString& label, const QString& initial) {
  bool accepted = false;
  const QString text =
      QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &accepted);
  if (!accepted) return std::nullopt;
  return text;
}

void DialogPrompts::critical(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

void DialogPrompts::information(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

}  // namespace vianora::gui
