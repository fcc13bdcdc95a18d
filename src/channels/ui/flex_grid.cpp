#include "channels/ui/flex_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "channels/decimal_text.h"
#include "foundation/ui/cell_drop_down.h"
#include "foundation/ui/qt_text.h"
#include "foundation/ui/twips.h"

namespace q7 {
namespace {

int pixels(int twips) {
  return std::max(twipsToPixels(twips), 1);
}

}  // namespace

// Asks the grid's owner before every in-cell edit and hands the edited text
// back to it instead of writing it into the cell.
class FlexGridDelegate : public QStyledItemDelegate {
 public:
  explicit FlexGridDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    if (index.column() < 1) return nullptr;
    EditRequest request;
    emit grid_->beforeEdit(index.row() + 1, index.column(), &request);
    if (!request.allowed) return nullptr;
    QWidget* editor = nullptr;
    if (request.dropList.isEmpty()) {
      editor = new QLineEdit(parent);
    } else {
      auto* list = makeCellDropDown(parent, request.dropList);
      QObject::connect(list, &QComboBox::activated, grid_,
                       [this, list] { grid_->commitEditor(list); });
      editor = list;
    }
    grid_->editorOpened(editor, index.row() + 1, index.column());
    return editor;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
      showCellValue(list, text);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      line->setText(text);
    }
  }

  void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
    QString text;
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
      const std::optional<QString> picked = pickedEntry(list);
      if (!picked) return;  // left without a choice: no edit
      text = *picked;
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      // Left without typing: no edit (the text again would snap and clamp a
      // frequency that came from a file and store every channel).
      if (!line->isModified()) return;
      text = line->text();
    }
    emit grid_->afterEdit(index.row() + 1, index.column(), text);
  }

  void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
    grid_->editorClosed(editor);
    QStyledItemDelegate::destroyEditor(editor, index);
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const std::string format = grid_->columnFormat(index.column());
    if (!format.empty()) option->text = qs(formatNumber(format, ss(option->text)));
  }

 private:
  FlexGrid* grid_;
};

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
  setItemDelegate(new FlexGridDelegate(this));
  verticalHeader()->hide();
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditMode(EditMode::kKeyboardMouse);
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) {
    if (column >= 1) emit cellClick(row + 1, column);
  });
  connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
    if (column >= 1) emit cellDblClick(row + 1, column);
  });
}

void FlexGrid::setShape(int rows, int columns, const std::vector<std::string>& captions,
                        const std::vector<int>& widthsTwips, int rowHeightTwips) {
  clear();
  setRowCount(rows);
  setColumnCount(columns + 1);
  QStringList labels;
  for (int c = 0; c <= columns; ++c) {
    labels << (c < static_cast<int>(captions.size()) ? qs(captions[c]) : QString());
    if (c < static_cast<int>(widthsTwips.size())) setColumnWidth(c, pixels(widthsTwips[c]));
  }
  setHorizontalHeaderLabels(labels);
  horizontalHeader()->setFixedHeight(pixels(rowHeightTwips) + 4);
  for (int r = 0; r < rows; ++r) {
    setRowHeight(r, pixels(rowHeightTwips));
    auto* number = new QTableWidgetItem(QString::number(r + 1));
    number->setFlags(Qt::ItemIsEnabled);
    number->setTextAlignment(Qt::AlignCenter);
    number->setBackground(palette().button());
    setItem(r, 0, number);
    for (int c = 1; c <= columns; ++c) {
      auto* cell = new QTableWidgetItem;
      cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
      cell->setTextAlignment(Qt::AlignCenter);
      setItem(r, c, cell);
    }
  }
}

void FlexGrid::setCell(int row, int column, const QString& text, const QColor& background) {
  if (QTableWidgetItem* cell = item(row - 1, column)) {
    if (cell->text() != text) cell->setText(text);
    if (cell->background().color() != background) cell->setBackground(background);
  }
}

QString FlexGrid::cellText(int row, int column) const {
  const QTableWidgetItem* cell = item(row - 1, column);
  return cell ? cell->text() : QString();
}

QColor FlexGrid::cellBackground(int row, int column) const {
  const QTableWidgetItem* cell = item(row - 1, column);
  return cell ? cell->background().color() : QColor();
}

void FlexGrid::setColumnFormat(int column, const std::string& format) {
  formats_[column] = format;
}

std::string FlexGrid::columnFormat(int column) const {
  const auto it = formats_.find(column);
  return it == formats_.end() ? std::string() : it->second;
}

void FlexGrid::setEditMode(EditMode mode) {
  setEditTriggers(mode == EditMode::kNone
                      ? QAbstractItemView::NoEditTriggers
                      : QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
}

// Moving the cursor while an edit is being stored would close that editor
// under the view's feet: the move waits until the editor is gone.
void FlexGrid::setCursorCell(int row, int column) {
  if (row < 1 || row > dataRows() || column < 1 || column > dataColumns()) return;
  if (editor_) {
    pendingCursor_ = {row, column};
    return;
  }
  setCurrentCell(row - 1, column);
}

CellPos FlexGrid::cursorCell() const {
  return {currentRow() + 1, currentColumn()};
}

void FlexGrid::startEditing(int row, int column) {
  setCursorCell(row, column);
  if (QTableWidgetItem* cell = item(row - 1, column)) {
    editItem(cell);
    editorOpenedAt_ = QDateTime::currentMSecsSinceEpoch();
  }
}

void FlexGrid::finishEditing() {
  if (editor_) commitEditor(editor_);
}

QRect FlexGrid::cellRect(int row, int column) const {
  const QTableWidgetItem* cell = item(row - 1, column);
  return cell ? visualItemRect(cell) : QRect();
}

void FlexGrid::setSelectionColour(const QColor& colour) {
  QPalette p = palette();
  p.setColor(QPalette::Highlight, colour);
  p.setColor(QPalette::Inactive, QPalette::Highlight, colour);
  setPalette(p);
}

QColor FlexGrid::selectionColour() const {
  return palette().color(QPalette::Highlight);
}

void FlexGrid::setBackgroundColour(const QColor& colour) {
  QPalette p = palette();
  p.setColor(QPalette::Base, colour);
  setPalette(p);
}

QColor FlexGrid::backgroundColour() const {
  return palette().color(QPalette::Base);
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return QTableWidget::mousePressEvent(event);
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && index.column() >= 1) {
    emit rightButtonDown(index.row() + 1, index.column(), event->globalPosition().toPoint());
  }
}

void FlexGrid::editorOpened(QWidget* editor, int row, int column) {
  editor_ = editor;
  editorCell_ = {row, column};
  editorOpenedAt_ = 0;
  editor->installEventFilter(this);
}

void FlexGrid::editorClosed(QWidget* editor) {
  if (editor_ != editor) return;
  editor_ = nullptr;
  if (pendingCursor_.row != 0) setCurrentCell(pendingCursor_.row - 1, pendingCursor_.column);
  pendingCursor_ = {};
}

void FlexGrid::commitEditor(QWidget* editor) {
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

// The second click of a double-click lands on the editor the first click
// opened: it closes that editor and counts as a double-click on the cell.
bool FlexGrid::isEditorDoubleClick(QEvent* event) const {
  if (event->type() == QEvent::MouseButtonDblClick) return true;
  return event->type() == QEvent::MouseButtonPress && editorOpenedAt_ != 0 &&
         QDateTime::currentMSecsSinceEpoch() - editorOpenedAt_ <
             QApplication::doubleClickInterval();
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && isEditorDoubleClick(event)) {
    const CellPos cell = editorCell_;
    closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
    emit cellDblClick(cell.row, cell.column);
    return true;
  }
  return QTableWidget::eventFilter(watched, event);
}

}  // namespace q7
