#pragma once
// The channel grid's view: a table view over ChannelGridModel, addressed the
// way the channel editor counts (channels 1..rows, columns 1..columns; the
// channel numbers are its row headers). Edits go through two events:
// beforeEdit (which may refuse) and afterEdit (with the edited text; the
// model changes only when the owner has applied it). A click on a row header
// selects that channel, Shift and Ctrl and a drag extend the selection.
// Keys that would open a tone cell are handed to the owner, who shows the
// tone box there.
#include <QTableView>
#include <vector>

#include "channels/channel_grid.h"

namespace q7 {

class ChannelGridModel;

class ChannelGridView : public QTableView {
  Q_OBJECT
 public:
  explicit ChannelGridView(QWidget* parent = nullptr);

  void setGridModel(ChannelGridModel* model);
  // Widths of columns 0..columns (column 0: the channel numbers) and the row
  // height, in twips.
  void setShape(const std::vector<int>& widthsTwips, int rowHeightTwips);
  int dataRows() const;
  int dataColumns() const;

  QString headerText(int column) const;
  QString cellText(int row, int column) const;
  QColor cellBackground(int row, int column) const;
  std::string columnFormat(int column) const;

  void setEditMode(EditMode mode);
  void setCursorCell(int row, int column);
  CellPos cursorCell() const;
  void startEditing(int row, int column);
  // The open in-cell editor, if any (for the window's tests and for committing).
  QWidget* openEditor() const { return editor_; }
  // Ends an open in-cell edit, storing what it holds.
  void finishEditing();
  QRect cellRect(int row, int column) const;
  // The channels with a selected cell, in order; the current channel when
  // nothing is selected.
  std::vector<int> selectedChannels() const;
  // Selects these channels' rows, the current cell going to the first.
  void selectChannels(const std::vector<int>& channels);

  // The colour of the selection; its text is drawn black or white, whichever
  // reads on it.
  void setSelectionColour(const QColor& colour);
  QColor selectionColour() const;
  void setBackgroundColour(const QColor& colour);
  QColor backgroundColour() const;

 signals:
  void beforeEdit(int row, int column, bool* allowed);
  void afterEdit(int row, int column, const QString& text);
  void cellClick(int row, int column);
  void cellDblClick(int row, int column);
  void rightButtonDown(int row, int column, const QPoint& globalPos);
  // The current cell moved, by keys or the mouse.
  void cursorMoved(int row, int column);
  // F2, Alt+Down, Enter or typed text on a tone cell; `typed` is the text.
  void toneKey(int row, int column, const QString& typed, bool openList);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  friend class ChannelCellDelegate;
  QModelIndex at(int row, int column) const;
  bool toneKeyPressed(QKeyEvent* event);
  bool leavesTheGrid(const QKeyEvent* event) const;
  void editorOpened(QWidget* editor, int row, int column);
  void editorClosed(QWidget* editor);
  void commitEditor(QWidget* editor);
  bool isEditorDoubleClick(QEvent* event) const;

  QWidget* editor_ = nullptr;
  CellPos editorCell_;
  CellPos pendingCursor_;
  qint64 editorOpenedAt_ = 0;
};

}  // namespace q7
