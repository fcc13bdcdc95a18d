#include "comm/ui/memory_view.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "comm/hex_text.h"
#include "comm/memory_grid.h"
#include "comm/ui/control_names.h"
#include "comm/ui/part_fill_dialog.h"
#include "foundation/error_report.h"
#include "foundation/ui/qt_text.h"

namespace q7 {
namespace {

constexpr int kRowBytes = 16;
// Twips of the grid's layout at 15 twips a pixel.
constexpr int kRowHeight = 270 / 15, kLabelWidth = 620 / 15, kCellWidth = 420 / 15;
constexpr int kRefreshMs = 500;

// Hands the view the cells the user typed into, once the edit is finished.
class TypedCellDelegate : public QStyledItemDelegate {
 public:
  TypedCellDelegate(MemoryView* view, std::function<void(int, int)> typed)
      : QStyledItemDelegate(view), typed_(std::move(typed)) {}

  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || !line->isModified()) return;  // opened and left without typing
    QStyledItemDelegate::setModelData(editor, model, index);
    typed_(index.row(), index.column());
  }

 private:
  std::function<void(int, int)> typed_;
};

}  // namespace

MemoryView::MemoryView(AppState& state, Prompts& prompts, EditorViews& views, QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      prompts_(prompts),
      views_(views),
      fraMemData_(new QGroupBox("Memory Data", this)),
      vsfgGridMemDat_(new QTableWidget(fraMemData_)),
      cmdFillGrid_(new QPushButton("Fill Gird", fraMemData_)),
      cmdSetDefCol_(new QPushButton("Set Def Color", fraMemData_)),
      cmdPartFill_(new QPushButton("Part Fill", fraMemData_)),
      chkAutoMemFresh_(new QCheckBox("自动", fraMemData_)),
      tmrAutoMemFresh_(new QTimer(this)) {
  setObjectName("frmMemDat");
  nameControls({{fraMemData_, "fraMemData"},
                {vsfgGridMemDat_, "vsfgGridMemDat"},
                {cmdFillGrid_, "cmdFillGrid"},
                {cmdSetDefCol_, "cmdSetDefCol"},
                {cmdPartFill_, "cmdPartFill"},
                {chkAutoMemFresh_, "chkAutoMemFresh"},
                {tmrAutoMemFresh_, "tmrAutoMemFresh"}});
  auto* buttons = new QHBoxLayout;
  for (QWidget* w :
       std::initializer_list<QWidget*>{cmdFillGrid_, cmdSetDefCol_, cmdPartFill_, chkAutoMemFresh_})
    buttons->addWidget(w);
  auto* frame = new QVBoxLayout(fraMemData_);
  frame->addWidget(vsfgGridMemDat_);
  frame->addLayout(buttons);
  (new QVBoxLayout(this))->addWidget(fraMemData_);
  tmrAutoMemFresh_->setInterval(kRefreshMs);
  connect(tmrAutoMemFresh_, &QTimer::timeout, this, &MemoryView::cmdFillGrid_Click);
  connect(chkAutoMemFresh_, &QCheckBox::toggled, this,
          [this](bool on) { on ? tmrAutoMemFresh_->start() : tmrAutoMemFresh_->stop(); });
  connect(cmdFillGrid_, &QPushButton::clicked, this, &MemoryView::cmdFillGrid_Click);
  connect(cmdSetDefCol_, &QPushButton::clicked, this, &MemoryView::cmdSetDefCol_Click);
  connect(cmdPartFill_, &QPushButton::clicked, this, &MemoryView::cmdPartFill_Click);
  labelCorner();
  vsfgGridMemDat_->setMouseTracking(true);
  connect(vsfgGridMemDat_, &QTableWidget::cellEntered, this, [this](int row, int column) {
    if (QTableWidgetItem* item = vsfgGridMemDat_->item(row, column))
      item->setToolTip(cellTipHint(row + 1, column + 1));
  });
  vsfgGridMemDat_->setItemDelegate(
      new TypedCellDelegate(this, [this](int row, int column) { gridDataTemp(row, column); }));
}

void MemoryView::setGridMemDat() {
  guard("modMemDat->SetGridMemDat", [&] {
    const int rows = gridRowCount(state_.ranges.tableMax);
    vsfgGridMemDat_->clear();
    vsfgGridMemDat_->setRowCount(rows);
    vsfgGridMemDat_->setColumnCount(kRowBytes);
    QStringList columns;
    for (int c = 0; c < kRowBytes; ++c) columns << QString::number(c, 16).toUpper();
    vsfgGridMemDat_->setHorizontalHeaderLabels(columns);
    QStringList labels;
    for (int r = 0; r < rows; ++r) labels << qs(gridRowLabel(r));
    vsfgGridMemDat_->setVerticalHeaderLabels(labels);
    QFont font = vsfgGridMemDat_->font();
    font.setPointSize(10);
    vsfgGridMemDat_->setFont(font);
    sizeColumns(QFontMetrics(font));
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < kRowBytes; ++c) {
        auto* item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        vsfgGridMemDat_->setItem(r, c, item);
      }
    vsfgGridMemDat_->setCurrentCell(0, 0);
  });
}

// The header row starts with "Addr" above the row labels. The corner is
// only a header row high: the label fills it without the layout's margins,
// which would leave it no height at all.
void MemoryView::labelCorner() {
  auto* corner = vsfgGridMemDat_->findChild<QAbstractButton*>();
  if (!corner) return;
  auto* label = new QLabel("Addr", corner);
  label->setObjectName("lblAddrCorner");
  label->setAlignment(Qt::AlignCenter);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* layout = new QHBoxLayout(corner);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
}

// Row labels ("03F0H") and cells are as wide as their texts need in the
// grid's font, and the grid is wide enough to show all sixteen columns.
void MemoryView::sizeColumns(const QFontMetrics& metrics) {
  constexpr int kPadding = 12;
  const int labelWidth = std::max(kLabelWidth, metrics.horizontalAdvance("0000H") + kPadding);
  const int cellWidth = std::max(kCellWidth, metrics.horizontalAdvance("FFFF") + kPadding);
  vsfgGridMemDat_->verticalHeader()->setDefaultSectionSize(std::max(kRowHeight, metrics.height()));
  vsfgGridMemDat_->verticalHeader()->setFixedWidth(labelWidth);
  vsfgGridMemDat_->horizontalHeader()->setDefaultSectionSize(cellWidth);
  vsfgGridMemDat_->setMinimumWidth(labelWidth + kRowBytes * cellWidth +
                                   vsfgGridMemDat_->verticalScrollBar()->sizeHint().width() +
                                   2 * vsfgGridMemDat_->frameWidth());
}

std::string MemoryView::cellText(long address) const {
  const QTableWidgetItem* item = vsfgGridMemDat_->item(static_cast<int>(address / kRowBytes),
                                                       static_cast<int>(address % kRowBytes));
  return item ? ss(item->text()) : std::string();
}

void MemoryView::setCell(long address, const QString& text) {
  QTableWidgetItem* item = vsfgGridMemDat_->item(static_cast<int>(address / kRowBytes),
                                                 static_cast<int>(address % kRowBytes));
  if (item) item->setText(text);
}

void MemoryView::setAllBlack() {
  for (int r = 0; r < vsfgGridMemDat_->rowCount(); ++r)
    for (int c = 0; c < vsfgGridMemDat_->columnCount(); ++c)
      if (QTableWidgetItem* item = vsfgGridMemDat_->item(r, c)) item->setForeground(Qt::black);
}

// A cell being typed into keeps the cursor: moving it would store the edit unfinished.
bool MemoryView::editing() const {
  return vsfgGridMemDat_->indexWidget(vsfgGridMemDat_->currentIndex()) != nullptr;
}

void MemoryView::tableFreDat() {
  guard("modMemDat->TableFreDat", [&] {
    setAllBlack();
    const long highest = std::min<long>(gridHighestAddress(state_.ranges.tableMax),
                                        vsfgGridMemDat_->rowCount() * kRowBytes - 1);
    const auto cell = [this](long a) { return cellText(a); };
    for (long a : changedCells(cell, highest, state_.image)) {
      QTableWidgetItem* item =
          vsfgGridMemDat_->item(static_cast<int>(a / kRowBytes), static_cast<int>(a % kRowBytes));
      if (!editing()) vsfgGridMemDat_->setCurrentItem(item);
      item->setForeground(Qt::red);
      vsfgGridMemDat_->scrollToItem(item);
    }
    showBytes(0, highest);
  });
}

void MemoryView::showBytes(long first, long last) {
  for (long a = first; a <= last; ++a)
    setCell(a, qs(formatByte(state_.image[static_cast<std::size_t>(a)])));
}

void MemoryView::gridDataTemp(int row, int column) {
  guard("frmMemDat->GridDataTemp", [&] {
    const long address = static_cast<long>(row) * kRowBytes + column;
    if (address > gridHighestAddress(state_.ranges.tableMax)) return;  // past the table's end
    commitGridCell(cellText(address), address, state_.image);
  });
}

void MemoryView::cmdFillGrid_Click() {
  guard("frmMemDat->cmdFillGrid_Click", [&] {
    views_.storeChannels();
    tableFreDat();
  });
}

void MemoryView::cmdSetDefCol_Click() {
  guard("frmMemDat->cmdSetDefCol_Click", [&] { setAllBlack(); });
}

void MemoryView::cmdPartFill_Click() {
  guard("frmMemDat->cmdPartFill_Click", [&] {
    PartFillDialog dialog(state_, prompts_, *this, this);
    dialog.exec();
  });
}

QString MemoryView::cellTipHint(int row, int column) {
  QString tip;
  if (!guard("frmMemDat->CellTipHint", [&] {
        const std::string text = cellText((row - 1) * kRowBytes + column - 1);
        if (text.empty()) return;
        if (!editing()) vsfgGridMemDat_->setCurrentCell(row - 1, column - 1);
        tip = qs(cellTipText(row, column, text));
      }))
    tip.clear();
  return tip;
}

void MemoryView::closeEvent(QCloseEvent* event) {
  if (state_.closing) return QWidget::closeEvent(event);
  event->ignore();
  hide();
}

}  // namespace q7
