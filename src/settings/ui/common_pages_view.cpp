#include "settings/ui/common_pages_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>

#include "foundation/ui/qt_text.h"
#include "settings/settings_caption_rows.h"
#include "settings/ui/page_layout.h"
#include "settings/vox_page.h"

namespace q7 {

namespace {

constexpr int kKeyListRows = 9;
constexpr const char* kVoxDefault = "cmdVoxCmpDefault";

std::vector<std::string> namesIn(ControlBinder& binder, const char* frame) {
  return binder.pages().controlsIn(frame);
}

void buildFrame(ControlBinder& binder, QWidget* frame, const char* name, int columns) {
  addControls(binder, scrollingGrid(frame), namesIn(binder, name), columns, 0);
}

// The four function lists side by side, each under its label; each key's hold
// time under its two lists.
void buildKeyAssign(ControlBinder& binder, QWidget* frame) {
  QGridLayout* grid = scrollingGrid(frame);
  QWidget* parent = grid->parentWidget();
  int column = 0;
  int holdTime = 0;
  for (const std::string& name : namesIn(binder, "fraSysSet2")) {
    QWidget* widget = binder.widget(name, parent);
    auto* label = new QLabel(binder.labelText(name), parent);
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
      list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
      list->setFixedHeight(list->fontMetrics().height() * kKeyListRows);
      grid->addWidget(label, 0, column);
      grid->addWidget(list, 1, column++);
    } else {
      auto* pair = new QHBoxLayout;
      pair->addWidget(label);
      pair->addWidget(widget, 1);
      grid->addLayout(pair, 2, 2 * holdTime++, 1, 2);
    }
  }
}

// The general VOX options, then the ten compare levels in a frame of their own.
void buildVox(ControlBinder& binder, QWidget* frame) {
  QGridLayout* grid = scrollingGrid(frame);
  QWidget* parent = grid->parentWidget();
  std::vector<std::string> general;
  std::vector<std::string> levels;
  for (const std::string& name : namesIn(binder, "fraSysSet3"))
    (binder.pages().control(name).labelRow == row::kVoxCompareVoltage || name == kVoxDefault
         ? levels
         : general)
        .push_back(name);
  const int row = addControls(binder, grid, general, 2, 0);

  auto* levelFrame = new QGroupBox(qs(binder.pages().captions()(row::kVoxCompareVoltage)), parent);
  auto* levelGrid = new QGridLayout(levelFrame);
  const int columns = kVoxLevels / 2;
  std::vector<QWidget*> order;
  for (int q = 0; q < kVoxLevels; ++q) {
    const std::string name = elementName("cboVoxCmpDat", q + 1);
    auto* label = new QLabel(binder.labelText(name), levelFrame);
    label->setObjectName(qs(elementName("lblVoxCmpLevel", q)));
    levelGrid->addWidget(label, q / columns, 2 * (q % columns));
    order.push_back(binder.widget(name, levelFrame));
    levelGrid->addWidget(order.back(), q / columns, 2 * (q % columns) + 1);
  }
  // "Default" below the levels, and after them for the Tab key too.
  order.push_back(binder.widget(kVoxDefault, levelFrame));
  levelGrid->addWidget(order.back(), 2, 0, 1, 2);
  chainTabOrder(order);
  grid->addWidget(levelFrame, row, 0, 1, grid->columnCount());
}

// Below the model and band rows of the model information frame.
void buildModelInfo(ControlBinder& binder, QWidget* frame) {
  auto* grid = qobject_cast<QGridLayout*>(frame->layout());
  auto* own = new QGridLayout;
  if (grid)
    grid->addLayout(own, grid->rowCount(), 0, 1, grid->columnCount());
  else
    frame->setLayout(own);
  own->setContentsMargins(0, 0, 0, 0);
  auto* holder = new QWidget(frame);
  own->addWidget(holder);
  auto* controls = new QGridLayout(holder);
  controls->setContentsMargins(0, 0, 0, 0);
  addControls(binder, controls, namesIn(binder, "fraModelInfo"), 1, 0);
}

}  // namespace

void buildCommonPages(ControlBinder& binder, const CommonPageFrames& frames,
                      std::function<void()> openVolumeDialog) {
  binder.setButtonAction("cmdTwoWayVolSet", std::move(openVolumeDialog));
  buildFrame(binder, frames.commonSet, "fraSysSet1", 2);
  buildKeyAssign(binder, frames.keyAssign);
  buildVox(binder, frames.vox);
  buildFrame(binder, frames.scan, "fraSysSet4", 2);
  buildFrame(binder, frames.battery, "fraSysSet5", 2);
  buildModelInfo(binder, frames.modelInfo);
}

}  // namespace q7
