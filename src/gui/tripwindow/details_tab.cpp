#include "gui/tripwindow/details_tab.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>

#include "gui/tripwindow/text_table_model.h"

namespace vianora::gui {
namespace {

// Figures stand in this many caption and text pairs a row.
constexpr int kFigurePairsPerRow = 3;

template <typename Stretched>
std::vector<TripStretch> stretchesOf(const std::vector<Stretched>& rows) {
  std::vector<TripStretch> stretches;
  stretches.reserve(rows.size());
  for (const Stretched& row : rows) stretches.push_back(row.where);
  return stretches;
}

// A table that copies itself whole on Ctrl+C (the view alone would copy one cell).
class CopyingTable : public QTableView {
 public:
  CopyingTable(QWidget* parent, std::function<void()> copy)
      : QTableView(parent), copy_(std::move(copy)) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Copy)) {
      copy_();
      event->accept();
      return;
    }
    QTableView::keyPressEvent(event);
  }

 private:
  std::function<void()> copy_;
};

}  // namespace

DetailsTab::DetailsTab(QWidget* parent, StretchChosen chosen)
    : QWidget(parent), chosen_(std::move(chosen)) {
  setObjectName(QStringLiteral("tabDetails"));
  auto* figures = new QWidget(this);
  figures->setObjectName(QStringLiteral("lblDetails"));
  figures_ = new QGridLayout(figures);
  figures_->setContentsMargins(0, 0, 0, 0);
  figures_->setHorizontalSpacing(8);
  figures_->setVerticalSpacing(2);

  auto* tables = new QHBoxLayout;
  tables->addWidget(buildTable(pauses_, "tblPauses", "btnCopyPauses", QStringLiteral("Pauses")), 2);
  tables->addWidget(buildTable(splits_, "tblSplits", "btnCopySplits", QStringLiteral("Splits")), 3);

  auto* column = new QVBoxLayout(this);
  column->addWidget(figures);
  column->addLayout(tables, 1);
}

QWidget* DetailsTab::buildTable(Table& table, const char* name, const char* copyName,
                                const QString& caption) {
  auto* box = new QWidget(this);
  table.model = new TextTableModel(this);
  const auto copy = [model = table.model] {
    QGuiApplication::clipboard()->setText(QString::fromStdString(tabSeparated(model->shown())));
  };
  table.view = new CopyingTable(box, copy);
  table.view->setObjectName(QString::fromLatin1(name));
  table.view->setModel(table.model);
  table.view->setSelectionBehavior(QAbstractItemView::SelectRows);
  table.view->setSelectionMode(QAbstractItemView::SingleSelection);
  table.view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table.view->setAlternatingRowColors(true);
  table.view->verticalHeader()->hide();
  // One line of text a row: a split's kilometres fit the tab without scrolling.
  table.view->verticalHeader()->setDefaultSectionSize(table.view->fontMetrics().height() + 4);
  table.view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table.view->setSortingEnabled(true);
  table.view->sortByColumn(-1, Qt::AscendingOrder);  // the trip's order until a header is clicked
  Table& other = &table == &pauses_ ? splits_ : pauses_;
  connect(table.view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this, &table, &other] { rowChosen(table, other); });

  auto* header = new QHBoxLayout;
  header->addWidget(new QLabel(caption, box));
  header->addStretch(1);
  auto* copyButton = new QPushButton(QStringLiteral("Copy"), box);
  copyButton->setObjectName(QString::fromLatin1(copyName));
  copyButton->setToolTip(QStringLiteral("Copy the table as tab-separated text"));
  connect(copyButton, &QPushButton::clicked, this, copy);
  header->addWidget(copyButton);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(header);
  layout->addWidget(table.view, 1);
  return box;
}

// One row of the two tables is chosen at a time: choosing in one clears the other.
void DetailsTab::rowChosen(Table& table, Table& other) {
  if (filling_) return;
  const QModelIndexList rows = table.view->selectionModel()->selectedRows();
  if (rows.isEmpty()) {
    if (!other.view->selectionModel()->hasSelection()) chosen_(std::nullopt);
    return;
  }
  filling_ = true;
  other.view->clearSelection();
  filling_ = false;
  const std::size_t row = table.model->tableRow(rows.front().row());
  if (row < table.stretches.size()) chosen_(table.stretches[row]);
}

void DetailsTab::showDetails(const TripDetails& details, const DisplayFormat& format) {
  filling_ = true;
  showFigures(detailsFigures(details, format));
  for (Table* table : {&pauses_, &splits_}) table->view->clearSelection();
  pauses_.model->setTable(pausesTable(details, format));
  pauses_.stretches = stretchesOf(details.pauses);
  splits_.model->setTable(splitsTable(details, format));
  splits_.stretches = stretchesOf(details.splits);
  for (Table* table : {&pauses_, &splits_})
    table->view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  filling_ = false;
}

void DetailsTab::showFigures(const std::vector<DetailsFigure>& figures) {
  QWidget* owner = figures_->parentWidget();
  while (QLayoutItem* item = figures_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (std::size_t i = 0; i < figures.size(); ++i) {
    const int row = static_cast<int>(i) / kFigurePairsPerRow;
    const int column = static_cast<int>(i) % kFigurePairsPerRow * 2;
    auto* caption = new QLabel(QString::fromStdString(figures[i].caption), owner);
    auto* text = new QLabel(QString::fromStdString(figures[i].text), owner);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    figures_->addWidget(caption, row, column);
    figures_->addWidget(text, row, column + 1);
  }
  // The pairs keep to the left; what is left of the width stays empty.
  figures_->setColumnStretch(kFigurePairsPerRow * 2, 1);
}

}  // namespace vianora::gui
