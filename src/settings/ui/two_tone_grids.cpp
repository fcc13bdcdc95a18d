#include "settings/ui/two_tone_grids.h"

#include <QComboBox>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "settings/flag_scope.h"
#include "settings/two_tone_page.h"
#include "shell/error_report.h"
#include "shell/ui/cell_drop_down.h"
#include "shell/ui/qt_text.h"

namespace q7 {

namespace {

constexpr int kTwipsPerPixel = 15;

QStringList texts(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << qs(item);
  return list;
}

// Durations and the gap are chosen from their lists; frequencies are typed.
class TwoToneDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    const QStringList items = listOf(index.column());
    if (items.isEmpty()) return QStyledItemDelegate::createEditor(parent, option, index);
    return makeCellDropDown(parent, items);
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
      showCellValue(box, index.data().toString());
    } else {
      QStyledItemDelegate::setEditorData(editor, index);
    }
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
      // A value off the list (a stored 9.9 s) stays unless another entry is picked.
      if (const std::optional<QString> picked = pickedEntry(box)) model->setData(index, *picked);
    } else {
      QStyledItemDelegate::setModelData(editor, model, index);
    }
  }

 private:
  static QStringList listOf(int column) {
    if (column == kToneATimeColumn || column == kToneBTimeColumn)
      return texts(twoToneDurationItems());
    if (column == kIntervalColumn) return texts(twoToneGapItems());
    return {};
  }
};

}  // namespace

TwoToneGrids::TwoToneGrids(OptionPages& pages, QWidget* parent) : QObject(parent), pages_(pages) {
  for (int index = 0; index < kTwoToneGrids; ++index) {
    grids_[static_cast<std::size_t>(index)] = makeGrid(index, parent);
    for (int row = 1; row <= kTwoToneRowsPerGrid; ++row) {
      for (int column = kToneAFreColumn; column <= kIntervalColumn; ++column) {
        cells_.emplace(twoToneCellName(index, row, column), CellPlace{index, row, column});
      }
    }
  }
  showAll();
}

QTableWidget* TwoToneGrids::makeGrid(int index, QWidget* parent) {
  auto* grid = new QTableWidget(kTwoToneRowsPerGrid, kTwoToneColumns, parent);
  grid->setObjectName(qs(elementName("vsfgGridTwoTone", index)));
  grid->setHorizontalHeaderLabels(qs(twoToneHeader(pages_.captions().language())).split('|'));
  grid->verticalHeader()->hide();
  grid->setItemDelegate(new TwoToneDelegate(grid));
  for (int column = 0; column < kTwoToneColumns; ++column) {
    grid->setColumnWidth(column,
                         kTwoToneColumnWidths[static_cast<std::size_t>(column)] / kTwipsPerPixel);
  }
  for (int row = 0; row < kTwoToneRowsPerGrid; ++row) {
    grid->setRowHeight(row, kTwoToneRowHeight / kTwipsPerPixel);
    for (int column = 0; column < kTwoToneColumns; ++column) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      if (column == kNumberColumn) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setText(QString::number(twoToneRecord(index, row + 1)));
      }
      grid->setItem(row, column, item);
    }
  }
  connect(grid, &QTableWidget::itemChanged, this,
          [this, index](QTableWidgetItem* item) { cellEdited(index, item); });
  return grid;
}

// vsfgGridTwoTone_AfterEdit(index).
void TwoToneGrids::cellEdited(int index, QTableWidgetItem* item) {
  if (showing_ || item->column() == kNumberColumn) return;
  guard("frmChMem->vsfgGridTwoTone_AfterEdit", [&] {
    pages_.type(twoToneCellName(index, item->row() + 1, item->column()), ss(item->text()));
  });
  showAll();  // the cells as stored, also when the model changed nothing
}

void TwoToneGrids::show(const std::string& control) {
  const auto found = cells_.find(control);
  if (found == cells_.end()) return;
  const CellPlace& place = found->second;
  const FlagScope quiet(showing_);
  QTableWidgetItem* item = grid(place.grid)->item(place.row - 1, place.column);
  const QString text = qs(pages_.control(control).text);
  if (item->text() != text) item->setText(text);
}

void TwoToneGrids::showAll() {
  for (const auto& [control, place] : cells_) show(control);
}

}  // namespace q7
