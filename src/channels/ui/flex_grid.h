#pragma once
// A grid of cells addressed the way the channel editor counts them: a header
// row with captions, a fixed column 0 with the row numbers, data rows 1..rows
// and columns 1..columns. Each cell has a text and a background colour; a
// column may carry a drop-down list for in-cell editing and a number format
// for showing. Edits go through two events: beforeEdit (which may refuse and
// supply the list) and afterEdit (with the edited text; the cell itself is
// not changed, the owner redraws it).
#include <QStringList>
#include <QTableWidget>
#include <map>
#include <string>
#include <vector>

#include "channels/channel_grid.h"

namespace q7 {

struct EditRequest {
  bool allowed = false;
  QStringList dropList;
};

class FlexGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit FlexGrid(QWidget* parent = nullptr);

  // Lays the grid out: captions of columns 0..columns, widths and row height in twips.
  void setShape(int rows, int columns, const std::vector<std::string>& captions,
                const std::vector<int>& widthsTwips, int rowHeightTwips);
  int dataRows() const { return rowCount(); }
  int dataColumns() const { return columnCount() - 1; }

  void setCell(int row, int column, const QString& text, const QColor& background);
  QString cellText(int row, int column) const;
  QColor cellBackground(int row, int column) const;
  // A "###.#####"-style format for showing the column's numbers.
  void setColumnFormat(int column, const std::string& format);
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

  void setSelectionColour(const QColor& colour);
  QColor selectionColour() const;
  void setBackgroundColour(const QColor& colour);
  QColor backgroundColour() const;

 signals:
  void beforeEdit(int row, int column, EditRequest* request);
  void afterEdit(int row, int column, const QString& text);
  void cellClick(int row, int column);
  void cellDblClick(int row, int column);
  void rightButtonDown(int row, int column, const QPoint& globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class FlexGridDelegate;
  void editorOpened(QWidget* editor, int row, int column);
  void editorClosed(QWidget* editor);
  void commitEditor(QWidget* editor);
  bool isEditorDoubleClick(QEvent* event) const;

  std::map<int, std::string> formats_;
  QWidget* editor_ = nullptr;
  CellPos editorCell_;
  CellPos pendingCursor_;
  qint64 editorOpenedAt_ = 0;
};

}  // namespace q7
