#include "gui/earth/earth_wait_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vianora::gui {

EarthWaitDialog::EarthWaitDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("earthWaitDialog"));
  setWindowTitle(QStringLiteral("Google Earth"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("Waiting for Google Earth Pro to open the trip's link..."), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace vianora::gui
