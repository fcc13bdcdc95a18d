#include "channels/ui/channel_window.h"
#include "channels/soft_display.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "channels/channel_caption_rows.h"
#include "channels/ui/channel_grid_model.h"
#include "channels/ui/channel_grid_view.h"
#include "channels/ui/custom_band_dialog.h"
#include "channels/ui/tone_combo_box.h"
#include "foundation/error_report.h"
#include "foundation/ui/qt_text.h"
#include "foundation/ui/wheel_guard.h"

namespace q7 {
namespace {

const QColor kGridBackground(247, 247, 247);

// The tabs of sstabSetMode: the frame each one holds and its caption row.
// Frame 7 (two-tone) has no tab: it lies in the model information frame.
struct TabPage {
  int frame;
  int captionRow;
};
constexpr TabPage kTabPages[] = {{0, 200}, {1, 201}, {2, 202}, {3, 203},
                                 {4, 204}, {5, 350}, {6, 205}, {8, 206}};
constexpr int kTwoToneFrame = 7;

QString frameName(int index) {
  return QString("fraSysSet%1").arg(index);
}

}  // namespace

ChannelWindow::ChannelWindow(AppState& state, Prompts& prompts, ShellCommands& shell,
                             StatusPanels& status, QWidget* parent)
    : QWidget(parent),
      state_(state),
      prompts_(prompts),
      shell_(shell),
      status_(status),
      grid_(state, band_) {
  setObjectName("frmChMem");
  setWindowTitle(qs(caption(row::kModelName)));
  auto* layout = new QVBoxLayout(this);
  buildGridFrame();
  buildTabs();
  buildPopup();
  layout->addWidget(fraMain_, 3);
  layout->addWidget(sstabSetMode_, 2);
  frmCustomFre_ = new CustomBandDialog(state_, shell_, band_, this);
  savedBackground_ = vsfgGridCh_->backgroundColour();
  savedSelection_ = vsfgGridCh_->selectionColour();
}

// An edit still open when the window goes would be stored by its editor's
// focus loss after the grid's rules are gone: the window stops listening first.
ChannelWindow::~ChannelWindow() {
  vsfgGridCh_->disconnect(this);
  cboGridChCtdcs_->disconnect(this);
  cboGridChCtdcs_->removeEventFilter(this);
  cboGridChCtdcs_->lineEdit()->removeEventFilter(this);
  lblModel_->removeEventFilter(this);
  // The grid's view and model read the channel grid, which goes before the
  // widgets the base class deletes.
  delete fraMain_;
  delete gridModel_;
}

void ChannelWindow::buildGridFrame() {
  fraMain_ = new QGroupBox(this);
  fraMain_->setObjectName("fraMain");
  gridModel_ = new ChannelGridModel(grid_, state_, this);
  vsfgGridCh_ = new ChannelGridView(fraMain_);
  vsfgGridCh_->setObjectName("vsfgGridCh");
  vsfgGridCh_->setGridModel(gridModel_);
  auto* layout = new QVBoxLayout(fraMain_);
  layout->addWidget(vsfgGridCh_);

  auto* toneBox = new ToneComboBox(vsfgGridCh_->viewport());
  cboGridChCtdcs_ = toneBox;
  cboGridChCtdcs_->setObjectName("cboGridChCtdcs");
  guardWheel(cboGridChCtdcs_, WheelTurns::Never);
  cboGridChCtdcs_->hide();
  cboGridChCtdcs_->installEventFilter(this);
  cboGridChCtdcs_->lineEdit()->installEventFilter(this);
  connect(cboGridChCtdcs_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    if (!drawing_) grid_.setToneBoxText(ss(text));
  });
  // Done with the tone: the focus goes back to the grid, and leaving the box
  // commits its text.
  connect(toneBox, &ToneComboBox::finished, this, [this] { vsfgGridCh_->setFocus(); });
  connect(toneBox, &ToneComboBox::cancelled, this, &ChannelWindow::toneBoxCancelled);

  connect(vsfgGridCh_, &ChannelGridView::beforeEdit, this, &ChannelWindow::gridBeforeEdit);
  connect(vsfgGridCh_, &ChannelGridView::afterEdit, this, &ChannelWindow::gridAfterEdit);
  connect(vsfgGridCh_, &ChannelGridView::cellClick, this, &ChannelWindow::gridClick);
  connect(vsfgGridCh_, &ChannelGridView::cellDblClick, this, &ChannelWindow::gridDblClick);
  connect(vsfgGridCh_, &ChannelGridView::rightButtonDown, this, &ChannelWindow::gridRightButton);
  connect(vsfgGridCh_, &ChannelGridView::toneKey, this, &ChannelWindow::gridToneKey);
  connect(vsfgGridCh_, &ChannelGridView::cursorMoved, this, &ChannelWindow::gridCursorMoved);
}

void ChannelWindow::buildTabs() {
  sstabSetMode_ = new QTabWidget(this);
  sstabSetMode_->setObjectName("sstabSetMode");
  for (int i = 0; i < kSysSetFrames; ++i) {
    fraSysSet_[i] = new QGroupBox;
    fraSysSet_[i]->setObjectName(frameName(i));
  }
  for (const TabPage& page : kTabPages) {
    sstabSetMode_->addTab(fraSysSet_[page.frame], qs(caption(page.captionRow)));
  }
  // Tab 0 carries the two-tone frame with its grids: it scrolls rather than
  // taking the channel grid's room.
  auto* scroll = new QScrollArea(fraSysSet_[0]);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(new QWidget);
  (new QVBoxLayout(fraSysSet_[0]))->addWidget(scroll);
  buildModelInfo(scroll->widget());
}

void ChannelWindow::buildModelInfo(QWidget* frame) {
  fraModelInfo_ = new QGroupBox(qs(caption(row::kModelInformation)), frame);
  fraModelInfo_->setObjectName("fraModelInfo");
  lblModel_ = new QLabel(qs(caption(row::kModelType)), fraModelInfo_);
  lblModel_->setObjectName("lblModel");
  lblModel_->installEventFilter(this);
  lblFrequency_ = new QLabel(qs(caption(row::kFrequency)), fraModelInfo_);
  lblFrequency_->setObjectName("lblFrequency");
  cboModel_ = new QComboBox(fraModelInfo_);
  cboModel_->setObjectName("cboModel");
  guardWheel(cboModel_);
  cboFrequency_ = new QComboBox(fraModelInfo_);
  cboFrequency_->setObjectName("cboFrequency");
  guardWheel(cboFrequency_);  // one wheel notch here would start a blank image
  fraSysSet_[kTwoToneFrame]->setParent(fraModelInfo_);

  auto* info = new QGridLayout(fraModelInfo_);
  info->addWidget(lblModel_, 0, 0);
  info->addWidget(cboModel_, 0, 1);
  info->addWidget(lblFrequency_, 1, 0);
  info->addWidget(cboFrequency_, 1, 1);
  info->addWidget(fraSysSet_[kTwoToneFrame], 2, 0, 1, 2);

  cmdDefSet_ = new QPushButton(qs(caption(row::kRestoreDefault)), frame);
  cmdDefSet_->setObjectName("cmdDefSet");
  cmdDelAllCh_ = new QPushButton(qs(caption(row::kDeleteAllChannels)), frame);
  cmdDelAllCh_->setObjectName("cmdDelAllCh");
  auto* layout = new QGridLayout(frame);
  layout->addWidget(fraModelInfo_, 0, 0, 3, 1);
  layout->addWidget(cmdDefSet_, 0, 1);
  layout->addWidget(cmdDelAllCh_, 1, 1);
  layout->setColumnStretch(0, 1);

  connect(cboModel_, &QComboBox::activated, this, &ChannelWindow::cboModelClick);
  connect(cboFrequency_, &QComboBox::activated, this, &ChannelWindow::cboFrequencyClick);
  connect(cmdDefSet_, &QPushButton::clicked, this, &ChannelWindow::cmdDefSetClick);
  connect(cmdDelAllCh_, &QPushButton::clicked, this, &ChannelWindow::deleteAllChannels);
}

QWidget* ChannelWindow::sysSetFrame(int index) const {
  return index >= 0 && index < kSysSetFrames ? fraSysSet_[index] : nullptr;
}

QWidget* ChannelWindow::modelInfoFrame() const {
  return fraModelInfo_;
}

void ChannelWindow::initChMem() {
  chInfoInitFace();
  grid_.initialise();
  cboGridChCtdcs_->clear();
  for (const std::string& tone : grid_.tones().list()) cboGridChCtdcs_->addItem(qs(tone));
  setChGrid();
  showGrid();
  savedBackground_ = vsfgGridCh_->backgroundColour();
  savedSelection_ = vsfgGridCh_->selectionColour();
  chInfoModel();
}

void ChannelWindow::chInfoInitFace() {
  guard("frmChMem->ChInfoInitFace", [&] {
    fraMain_->setTitle(qs(caption(row::kChannelInfo)));
    vsfgGridCh_->setBackgroundColour(kGridBackground);
  });
}

void ChannelWindow::setChGrid() {
  guard("modChMem->SetChGrid:", [&] {
    const GridLayout& layout = grid_.layout();
    std::vector<int> widths;
    for (const GridColumn& column : layout.column) widths.push_back(column.width);
    gridModel_->reshape();
    vsfgGridCh_->setShape(widths, layout.rowHeight);
    vsfgGridCh_->setCursorCell(1, 1);
  });
}

void ChannelWindow::commitPendingEdit() {
  vsfgGridCh_->finishEditing();
  toneBoxLostFocus();
}

void ChannelWindow::storeChannels() {
  grid_.chInfoToIicDat();
}

void ChannelWindow::showImage() {
  guard("modChMem->SoftDisplay", [&] {
    softDisplay(state_.image, grid_, optionPages_,
                [this](const ImageModelBand& loaded) { showModelBand(loaded); });
    showGrid();
  });
}

void ChannelWindow::showNewImage() {
  grid_.showChTblGrid();
  grid_.hideToneBox();
  showGrid();
  if (optionPages_.initOpt) optionPages_.initOpt();
}

void ChannelWindow::applyLock(bool locked) {
  vsfgGridCh_->setEditMode(locked ? EditMode::kNone : EditMode::kKeyboardMouse);
  vsfgGridCh_->setSelectionColour(locked ? savedBackground_ : savedSelection_);
  // The locked grid refuses every edit but still scrolls and opens its popup,
  // whose entries the lock disables.
  for (QGroupBox* frame : fraSysSet_) frame->setEnabled(!locked);
}

void ChannelWindow::deleteAllChannels() {
  grid_.deleteAllChannels();
  showGrid();
}

void ChannelWindow::closeEvent(QCloseEvent* event) {
  if (state_.closing) return QWidget::closeEvent(event);
  event->ignore();
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    frame->hide();
  } else {
    hide();
  }
}

}  // namespace q7
