#pragma once
// frmMemDat: the codeplug image as a hex grid, 16 bytes a row, editable cell
// by cell; a refresh marks in red the bytes that changed since the last one.
// Only a cell the user typed into and finished goes into the image: never the
// other cells, which may be stale or (before the first refresh) empty, and
// never on a hover, tooltip, colouring or refresh. Hidden rather than closed
// until the program ends.
#include <QWidget>

#include "foundation/app_state.h"
#include "foundation/editor_views.h"
#include "foundation/prompts.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QTableWidget;
class QTimer;

namespace q7 {

class MemoryView : public QWidget {
  Q_OBJECT
 public:
  MemoryView(AppState& state, Prompts& prompts, EditorViews& views, QWidget* parent = nullptr);

  // `SetGridMemDat`: rows for the table maximum, headers, row labels, sizes.
  void setGridMemDat();
  // `TableFreDat`: writes every byte into its cell, marking changed bytes red.
  void tableFreDat();
  // `GridDataTemp` for one edited cell (row and column counted from 0, as
  // the table counts them): stores its value into its image byte.
  void gridDataTemp(int row, int column);
  // Rewrites the cells of addresses first..last from the image (no marks).
  void showBytes(long first, long last);

  void cmdFillGrid_Click();
  void cmdSetDefCol_Click();
  void cmdPartFill_Click();
  // Tooltip text of a data cell (row and column counted as the grid shows them, from 1).
  QString cellTipHint(int row, int column);

  QTableWidget* grid() const { return vsfgGridMemDat_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void labelCorner();
  void sizeColumns(const class QFontMetrics& metrics);
  std::string cellText(long address) const;
  void setCell(long address, const QString& text);
  void setAllBlack();
  bool editing() const;

  AppState& state_;
  Prompts& prompts_;
  EditorViews& views_;
  QGroupBox* fraMemData_;
  QTableWidget* vsfgGridMemDat_;
  QPushButton* cmdFillGrid_;
  QPushButton* cmdSetDefCol_;
  QPushButton* cmdPartFill_;
  QCheckBox* chkAutoMemFresh_;
  QTimer* tmrAutoMemFresh_;
};

}  // namespace q7
