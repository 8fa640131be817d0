#include "rename/rename_preview_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "widgets/qt_text.h"

namespace krellix {

RenamePreviewDialog::RenamePreviewDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("renamePreviewDialog");
  setWindowTitle("Preview Rename");

  grid_ = new QTableWidget(0, 2);
  grid_->setObjectName("previewGrid");
  grid_->setHorizontalHeaderLabels({"Before", "After"});
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setWordWrap(false);

  count_ = new QLabel;
  count_->setObjectName("count");
  auto* ok = new QPushButton("OK");
  ok->setObjectName("ok");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel");
  cancel->setObjectName("cancel");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(count_, 1);
  bottom->addWidget(ok);
  bottom->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(bottom);
  resize(560, 400);
}

void RenamePreviewDialog::Fill(const std::vector<std::pair<std::string, std::string>>& rows) {
  grid_->clearContents();
  grid_->setRowCount(static_cast<int>(rows.size()));
  int row = 0;
  for (const auto& [before, after] : rows) {
    grid_->setItem(row, 0, new QTableWidgetItem(PathToQt(before)));
    grid_->setItem(row, 1, new QTableWidgetItem(PathToQt(after)));
    ++row;
  }
  grid_->resizeColumnToContents(0);
  count_->setText(QString("%1 files will be Renamed").arg(rows.size()));
}

bool RenamePreviewDialog::Run(const std::vector<std::pair<std::string, std::string>>& rows) {
  Fill(rows);
  return exec() == QDialog::Accepted;
}

}  // namespace krellix
