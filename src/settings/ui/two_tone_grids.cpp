#include "settings/ui/two_tone_grids.h"

#include <QComboBox>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <cmath>
#include <functional>

#include "foundation/error_report.h"
#include "foundation/ui/cell_drop_down.h"
#include "foundation/ui/qt_text.h"
#include "foundation/ui/twips.h"
#include "settings/flag_scope.h"
#include "settings/two_tone_page.h"

namespace q7 {

namespace {

QStringList texts(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << qs(item);
  return list;
}

// Durations and the gap are chosen from their lists; frequencies are typed.
// Every finished edit is reported, also one that left the text as it was:
// the grids store all sixteen records after any edit.
class TwoToneDelegate : public QStyledItemDelegate {
 public:
  TwoToneDelegate(QObject* parent, std::function<void(const QModelIndex&)> edited)
      : QStyledItemDelegate(parent), edited_(std::move(edited)) {}

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
      const std::optional<QString> picked = pickedEntry(box);
      if (!picked) return;
      model->setData(index, *picked);
    } else {
      QStyledItemDelegate::setModelData(editor, model, index);
    }
    edited_(index);
  }

 private:
  static QStringList listOf(int column) {
    if (column == kToneATimeColumn || column == kToneBTimeColumn)
      return texts(twoToneDurationItems());
    if (column == kIntervalColumn) return texts(twoToneGapItems());
    return {};
  }

  std::function<void(const QModelIndex&)> edited_;
};

// The frequency columns' display format: one decimal, rounded as the tenth
// of a hertz the record stores (1234.56 shows 1234.6, 288.45 shows 288.5).
QString frequencyDisplay(const QString& text) {
  bool numeric = false;
  const double hertz = text.toDouble(&numeric);
  if (!numeric) return text;
  return QString::number(std::round(hertz * 10) / 10, 'f', 1);
}

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
  grid->setItemDelegate(new TwoToneDelegate(grid, [this, index](const QModelIndex& cell) {
    cellEdited(index, cell.row() + 1, cell.column());
  }));
  for (int column = 0; column < kTwoToneColumns; ++column) {
    grid->setColumnWidth(column,
                         twipsToPixels(kTwoToneColumnWidths[static_cast<std::size_t>(column)]));
  }
  for (int row = 0; row < kTwoToneRowsPerGrid; ++row) {
    grid->setRowHeight(row, twipsToPixels(kTwoToneRowHeight));
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
  return grid;
}

// vsfgGridTwoTone_AfterEdit(index).
void TwoToneGrids::cellEdited(int index, int row, int column) {
  if (showing_ || column == kNumberColumn) return;
  guard("frmChMem->vsfgGridTwoTone_AfterEdit", [&] {
    const QTableWidgetItem* item = grid(index)->item(row - 1, column);
    pages_.type(twoToneCellName(index, row, column), ss(item->text()));
  });
  showAll();  // the cells as stored, also when the model changed nothing
}

void TwoToneGrids::show(const std::string& control) {
  const auto found = cells_.find(control);
  if (found == cells_.end()) return;
  const CellPlace& place = found->second;
  const FlagScope quiet(showing_);
  QTableWidgetItem* item = grid(place.grid)->item(place.row - 1, place.column);
  QString text = qs(pages_.control(control).text);
  if (place.column == kToneAFreColumn || place.column == kToneBFreColumn)
    text = frequencyDisplay(text);
  if (item->text() != text) item->setText(text);
}

void TwoToneGrids::showAll() {
  for (const auto& [control, place] : cells_) show(control);
}

}  // namespace q7
