#include "channels/ui/channel_grid_view.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <set>

#include "channels/decimal_text.h"
#include "channels/ui/channel_grid_model.h"
#include "foundation/ui/cell_drop_down.h"
#include "foundation/ui/qt_text.h"
#include "foundation/ui/twips.h"

namespace q7 {
namespace {

int pixels(int twips) {
  return std::max(twipsToPixels(twips), 1);
}

// Black on light colours, white on dark ones.
QColor readableOn(const QColor& background) {
  const int luma = (299 * background.red() + 587 * background.green() + 114 * background.blue());
  return luma >= 128000 ? Qt::black : Qt::white;
}

bool isTextKey(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = event->text();
  return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

// The cells' editors: the option columns' lists, a line for the frequencies
// (and the other typed cells). It asks the grid's owner before every edit and
// hands the edited text back to it instead of writing it into the model;
// numbers are shown in their column's format.
class ChannelCellDelegate : public QStyledItemDelegate {
 public:
  explicit ChannelCellDelegate(ChannelGridView* view) : QStyledItemDelegate(view), view_(view) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    bool allowed = false;
    emit view_->beforeEdit(index.row() + 1, index.column() + 1, &allowed);
    if (!allowed) return nullptr;
    const QStringList items = index.data(kDropListRole).toStringList();
    QWidget* editor = nullptr;
    if (items.isEmpty()) {
      editor = new QLineEdit(parent);
    } else {
      auto* list = makeCellDropDown(parent, items);
      QObject::connect(list, &QComboBox::activated, view_,
                       [this, list] { view_->commitEditor(list); });
      editor = list;
    }
    view_->editorOpened(editor, index.row() + 1, index.column() + 1);
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
    emit view_->afterEdit(index.row() + 1, index.column() + 1, text);
  }

  void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
    view_->editorClosed(editor);
    QStyledItemDelegate::destroyEditor(editor, index);
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const std::string format = ss(index.data(kFormatRole).toString());
    if (!format.empty()) option->text = qs(formatNumber(format, ss(option->text)));
  }

 private:
  ChannelGridView* view_;
};

ChannelGridView::ChannelGridView(QWidget* parent) : QTableView(parent) {
  setItemDelegate(new ChannelCellDelegate(this));
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditMode(EditMode::kKeyboardMouse);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
    emit cellClick(index.row() + 1, index.column() + 1);
  });
  connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    emit cellDblClick(index.row() + 1, index.column() + 1);
  });
}

void ChannelGridView::setGridModel(ChannelGridModel* model) {
  setModel(model);
}

void ChannelGridView::setShape(const std::vector<int>& widthsTwips, int rowHeightTwips) {
  if (!widthsTwips.empty()) verticalHeader()->setFixedWidth(pixels(widthsTwips[0]));
  for (int c = 1; c < static_cast<int>(widthsTwips.size()); ++c) {
    setColumnWidth(c - 1, pixels(widthsTwips[c]));
  }
  horizontalHeader()->setFixedHeight(pixels(rowHeightTwips) + 4);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(pixels(rowHeightTwips));
}

int ChannelGridView::dataRows() const {
  return model() ? model()->rowCount() : 0;
}

int ChannelGridView::dataColumns() const {
  return model() ? model()->columnCount() : 0;
}

QModelIndex ChannelGridView::at(int row, int column) const {
  return model() ? model()->index(row - 1, column - 1) : QModelIndex();
}

QString ChannelGridView::headerText(int column) const {
  return model() ? model()->headerData(column - 1, Qt::Horizontal).toString() : QString();
}

QString ChannelGridView::cellText(int row, int column) const {
  return at(row, column).data(Qt::DisplayRole).toString();
}

QColor ChannelGridView::cellBackground(int row, int column) const {
  return at(row, column).data(Qt::BackgroundRole).value<QColor>();
}

std::string ChannelGridView::columnFormat(int column) const {
  return ss(at(1, column).data(kFormatRole).toString());
}

void ChannelGridView::setEditMode(EditMode mode) {
  setEditTriggers(mode == EditMode::kNone
                      ? QAbstractItemView::NoEditTriggers
                      : QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
}

// Moving the cursor while an edit is being stored would close that editor
// under the view's feet: the move waits until the editor is gone.
void ChannelGridView::setCursorCell(int row, int column) {
  if (row < 1 || row > dataRows() || column < 1 || column > dataColumns()) return;
  if (editor_) {
    pendingCursor_ = {row, column};
    return;
  }
  selectionModel()->setCurrentIndex(at(row, column), QItemSelectionModel::ClearAndSelect);
}

CellPos ChannelGridView::cursorCell() const {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return {};
  return {current.row() + 1, current.column() + 1};
}

void ChannelGridView::startEditing(int row, int column) {
  setCursorCell(row, column);
  const QModelIndex index = at(row, column);
  if (!index.isValid()) return;
  edit(index);
  editorOpenedAt_ = QDateTime::currentMSecsSinceEpoch();
}

void ChannelGridView::finishEditing() {
  if (editor_) commitEditor(editor_);
}

QRect ChannelGridView::cellRect(int row, int column) const {
  const QModelIndex index = at(row, column);
  return index.isValid() ? visualRect(index) : QRect();
}

std::vector<int> ChannelGridView::selectedChannels() const {
  std::set<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.insert(index.row() + 1);
  if (rows.empty() && currentIndex().isValid()) rows.insert(currentIndex().row() + 1);
  return {rows.begin(), rows.end()};
}

void ChannelGridView::selectChannels(const std::vector<int>& channels) {
  if (channels.empty() || editor_) return;
  const int column = std::max(cursorCell().column, 1);
  selectionModel()->setCurrentIndex(at(channels.front(), column), QItemSelectionModel::NoUpdate);
  QItemSelection rows;
  for (const int channel : channels) rows.select(at(channel, 1), at(channel, dataColumns()));
  selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

void ChannelGridView::setSelectionColour(const QColor& colour) {
  QPalette p = palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Highlight, colour);
    p.setColor(group, QPalette::HighlightedText, readableOn(colour));
  }
  setPalette(p);
}

QColor ChannelGridView::selectionColour() const {
  return palette().color(QPalette::Highlight);
}

void ChannelGridView::setBackgroundColour(const QColor& colour) {
  QPalette p = palette();
  p.setColor(QPalette::Base, colour);
  setPalette(p);
}

QColor ChannelGridView::backgroundColour() const {
  return palette().color(QPalette::Base);
}

void ChannelGridView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return QTableView::mousePressEvent(event);
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) {
    emit rightButtonDown(index.row() + 1, index.column() + 1, event->globalPosition().toPoint());
  }
}

void ChannelGridView::keyPressEvent(QKeyEvent* event) {
  if (toneKeyPressed(event)) return event->accept();
  if (leavesTheGrid(event)) return event->ignore();
  QTableView::keyPressEvent(event);
}

// The tone cells are edited in the tone box, which their owner shows: the
// keys that open an editor elsewhere open it on a tone cell.
bool ChannelGridView::toneKeyPressed(QKeyEvent* event) {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || !current.data(kToneCellRole).toBool()) return false;
  const bool alt = event->modifiers() & Qt::AltModifier;
  const bool openList = alt && event->key() == Qt::Key_Down;
  const bool opens = openList || event->key() == Qt::Key_F2 || event->key() == Qt::Key_Return ||
                     event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
  if (!opens && !isTextKey(event)) return false;
  const QString typed = opens ? QString() : event->text();
  emit toneKey(current.row() + 1, current.column() + 1, typed, openList);
  return true;
}

// Tab past the last cell and Shift+Tab before the first go on to the
// window's other controls.
bool ChannelGridView::leavesTheGrid(const QKeyEvent* event) const {
  const CellPos cursor = cursorCell();
  if (event->key() == Qt::Key_Backtab) return cursor == CellPos{1, 1};
  if (event->key() != Qt::Key_Tab || event->modifiers() != Qt::NoModifier) return false;
  return cursor == CellPos{dataRows(), dataColumns()};
}

void ChannelGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (current.isValid()) emit cursorMoved(current.row() + 1, current.column() + 1);
}

void ChannelGridView::editorOpened(QWidget* editor, int row, int column) {
  editor_ = editor;
  editorCell_ = {row, column};
  editorOpenedAt_ = 0;
  editor->installEventFilter(this);
}

void ChannelGridView::editorClosed(QWidget* editor) {
  if (editor_ != editor) return;
  editor_ = nullptr;
  if (pendingCursor_.row != 0) setCursorCell(pendingCursor_.row, pendingCursor_.column);
  pendingCursor_ = {};
}

void ChannelGridView::commitEditor(QWidget* editor) {
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

// The second click of a double-click lands on the editor the first click
// opened: it closes that editor and counts as a double-click on the cell.
bool ChannelGridView::isEditorDoubleClick(QEvent* event) const {
  if (event->type() == QEvent::MouseButtonDblClick) return true;
  return event->type() == QEvent::MouseButtonPress && editorOpenedAt_ != 0 &&
         QDateTime::currentMSecsSinceEpoch() - editorOpenedAt_ <
             QApplication::doubleClickInterval();
}

bool ChannelGridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && isEditorDoubleClick(event)) {
    const CellPos cell = editorCell_;
    closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
    emit cellDblClick(cell.row, cell.column);
    return true;
  }
  return QTableView::eventFilter(watched, event);
}

}  // namespace q7
