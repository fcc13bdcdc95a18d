// The channel window's grid: drawing ChannelGrid's cells, feeding it the
// grid's events, the tone box over tone cells and the right-click menu.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "channels/channel_caption_rows.h"
#include "channels/ui/channel_grid_model.h"
#include "channels/ui/channel_grid_view.h"
#include "channels/ui/channel_window.h"
#include "foundation/error_report.h"
#include "foundation/ui/qt_text.h"

namespace q7 {
namespace {

const QColor kHighlightRow(194, 121, 240);
const QColor kClickedSelection(255, 0, 255);

bool isPartOf(const QWidget* widget, const QWidget* owner) {
  for (; widget; widget = widget->parentWidget()) {
    if (widget == owner) return true;
  }
  return false;
}

// The focus steps aside from the tone box to its own list or another window,
// and comes back with the same reason: the box is still being edited, its
// typed text neither committed on the way out nor replaced by the stored tone
// on return.
bool focusStepsAside(Qt::FocusReason reason) {
  return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

// The row commands the popup offers after its own entries.
struct PopupCommand {
  const char* name;
  int captionRow;
  void (ChannelWindow::*run)();
};
constexpr PopupCommand kPopupCommands[] = {
    {"mnuPopCut", row::kCut, &ChannelWindow::cutChannels},
    {"mnuPopCopy", row::kCopy, &ChannelWindow::copyChannels},
    {"mnuPopPaste", row::kPaste, &ChannelWindow::pasteClipboard},
    {"mnuPopInsert", row::kInsertChannel, &ChannelWindow::insertChannel},
    {"mnuPopDeleteShiftUp", row::kDeleteAndShiftUp, &ChannelWindow::deleteAndShiftUp},
    {"mnuPopMoveUp", row::kMoveUp, &ChannelWindow::moveChannelsUp},
    {"mnuPopMoveDown", row::kMoveDown, &ChannelWindow::moveChannelsDown},
    {"mnuPopSortRx", row::kSortByRx, &ChannelWindow::sortChannels},
    {"mnuPopFillDown", row::kFillDown, &ChannelWindow::fillDown},
    {"mnuPopEditSelected", row::kEditSelected, &ChannelWindow::editSelectedChannels},
};

}  // namespace

void ChannelWindow::buildPopup() {
  mnuPopMenuOne_ = new QMenu(this);
  mnuPopMenuOne_->setObjectName("mnuPopMenuOne");
  // Opening a channel and saving defaults are entries the radio family never offers.
  mnuOpenCh_ = mnuPopMenuOne_->addAction(QString());
  mnuOpenCh_->setObjectName("mnuOpenCh");
  mnuOpenCh_->setEnabled(false);
  QAction* saveDefault = mnuPopMenuOne_->addAction(qs(caption(row::kSaveAsDefault)));
  saveDefault->setObjectName("mnuSaveDef");
  saveDefault->setEnabled(false);
  mnuDelOne_ = mnuPopMenuOne_->addAction(QString());
  mnuDelOne_->setObjectName("mnuDelOne");
  mnuDelAll_ = mnuPopMenuOne_->addAction(qs(caption(row::kDeleteAllChannels)));
  mnuDelAll_->setObjectName("mnuDelAll");
  mnuPopMenuOne_->addSeparator();
  for (const PopupCommand& command : kPopupCommands) {
    QAction* entry = mnuPopMenuOne_->addAction(qs(caption(command.captionRow)));
    entry->setObjectName(command.name);
    connect(entry, &QAction::triggered, this, command.run);
  }
  mnuPopMenuOne_->addSeparator();
  mnuPopChLock_ = mnuPopMenuOne_->addAction(qs(caption(row::kLockChannelInterface)));
  mnuPopChLock_->setObjectName("mnuPopChLock");
  mnuPopChLock_->setCheckable(true);
  connect(mnuDelOne_, &QAction::triggered, this, [this] {
    grid_.delOneChannel(grid_.popupRow());
    showGrid();
  });
  connect(mnuDelAll_, &QAction::triggered, this, &ChannelWindow::deleteAllChannels);
  connect(mnuPopChLock_, &QAction::triggered, this, [this] {
    mnuPopChLock_->setChecked(state_.locked());
    shell_.toggleChannelLock();
  });
}

// Draws every cell, the cursor and the tone box as ChannelGrid has them, and
// opens the in-cell editor an event asked for.
void ChannelWindow::showGrid() {
  drawing_ = true;
  gridModel_->refresh();
  const CellPos cursor = grid_.cursor();
  if (vsfgGridCh_->cursorCell() != cursor) vsfgGridCh_->setCursorCell(cursor.row, cursor.column);
  vsfgGridCh_->setEditMode(state_.locked() ? EditMode::kNone : grid_.editMode());
  placeToneBox();
  drawing_ = false;
  if (grid_.takeEditRequest()) vsfgGridCh_->startEditing(cursor.row, cursor.column);
}

void ChannelWindow::placeToneBox() {
  const ToneBox& box = grid_.toneBox();
  if (!box.visible()) {
    cboGridChCtdcs_->hide();
    return;
  }
  const QRect cell = vsfgGridCh_->cellRect(box.cell.row, box.cell.column);
  cboGridChCtdcs_->setGeometry(cell.left(), cell.top(), cell.width(),
                               std::max(cell.height(), cboGridChCtdcs_->sizeHint().height()));
  QPalette palette = cboGridChCtdcs_->palette();
  palette.setColor(QPalette::Base, kHighlightRow);
  cboGridChCtdcs_->setPalette(palette);
  cboGridChCtdcs_->setCurrentText(qs(box.text));
  cboGridChCtdcs_->show();
  cboGridChCtdcs_->setFocus();
}

void ChannelWindow::gridBeforeEdit(int row, int column, bool* allowed) {
  *allowed = grid_.beforeEdit(row, column).allowed;
  cboGridChCtdcs_->hide();
}

void ChannelWindow::gridAfterEdit(int row, int column, const QString& text) {
  grid_.afterEdit(row, column, ss(text));
  showGrid();
  const std::string note = grid_.takeNote();
  if (!note.empty()) status_.setPanelText(kNoticePanel, note);
}

void ChannelWindow::gridClick(int row, int column) {
  if (state_.locked()) return;
  vsfgGridCh_->setSelectionColour(kClickedSelection);
  grid_.setToneBoxText(ss(cboGridChCtdcs_->currentText()));
  grid_.click(row, column);
  showGrid();
}

// The double-click acts on the current cell, which the click before it may
// have moved away from the cell under the pointer.
void ChannelWindow::gridDblClick(int, int) {
  const CellPos current = grid_.cursor();
  grid_.dblClick(current.row, current.column);
  showGrid();
}

void ChannelWindow::gridRightButton(int row, int column, const QPoint& globalPos) {
  guard("frmChMem->vsfgGridCh_MouseDown:", [&] {
    if (column < 1) return;
    const PopupState popup = grid_.popup(row);
    if (popup.row == 0) return;
    const QString number = " " + QString::number(popup.row);
    mnuOpenCh_->setText(qs(caption(row::kOpenChannel)) + number);
    mnuDelOne_->setText(qs(caption(row::kDeleteChannel)) + number);
    mnuDelOne_->setEnabled(popup.deleteOne);
    mnuDelAll_->setEnabled(popup.deleteAll);
    mnuPopChLock_->setChecked(popup.lockChecked);
    mnuPopMenuOne_->popup(globalPos);
  });
}

void ChannelWindow::toneBoxGotFocus() {
  guard("frmChMem->cboGridChCtdcs_GotFocus", [&] {
    vsfgGridCh_->setSelectionColour(kClickedSelection);
    grid_.toneBoxGotFocus();
    showGrid();
  });
}

void ChannelWindow::toneBoxLostFocus() {
  if (!grid_.toneBox().visible()) return;
  grid_.setToneBoxText(ss(cboGridChCtdcs_->currentText()));
  grid_.toneBoxLostFocus();
  showGrid();
}

void ChannelWindow::gridToneKey(int row, int column, const QString& typed, bool openList) {
  if (state_.locked()) return;
  gridClick(row, column);
  if (!grid_.toneBox().visible()) return;
  if (!typed.isEmpty()) cboGridChCtdcs_->lineEdit()->setText(typed);
  if (openList) cboGridChCtdcs_->showPopup();
}

void ChannelWindow::toneBoxCancelled() {
  grid_.hideToneBox();
  showGrid();
  vsfgGridCh_->setFocus();
}

void ChannelWindow::gridCursorMoved(int row, int column) {
  if (drawing_) return;
  grid_.cursorMoved(row, column);
  gridModel_->refresh();
}

bool ChannelWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool toneBox = watched == cboGridChCtdcs_ || watched == cboGridChCtdcs_->lineEdit();
  if (toneBox && !drawing_) {
    if (event->type() == QEvent::FocusIn) {
      if (!focusStepsAside(static_cast<QFocusEvent*>(event)->reason())) toneBoxGotFocus();
    } else if (event->type() == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      const bool staysInBox = isPartOf(QApplication::focusWidget(), cboGridChCtdcs_) ||
                              isPartOf(QApplication::focusWidget(), cboGridChCtdcs_->view());
      if (!focusStepsAside(reason) && !staysInBox) toneBoxLostFocus();
    } else if (event->type() == QEvent::MouseButtonDblClick && grid_.toneBox().visible()) {
      const CellPos cell = grid_.toneBox().cell;
      gridDblClick(cell.row, cell.column);
      return true;
    }
  }
  if (watched == lblModel_ && event->type() == QEvent::MouseButtonDblClick) {
    lblModelDblClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace q7
