#include "gui/import/user_prompts.h"

#include <QFileDialog>
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

void DialogPrompts::critical(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

void DialogPrompts::information(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

}  // namespace vianora::gui
