#include "settings/ui/signalling_pages_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableWidget>
#include <QtMath>

#include "foundation/ui/qt_text.h"
#include "settings/serial_numbers.h"
#include "settings/ui/page_layout.h"
#include "settings/ui/two_tone_grids.h"

namespace q7 {

namespace {

constexpr const char* kAutoDialHint = "0--9, A--D, *, #";  // Label5, the same in every language
constexpr int kSerialItemChars = 24;
constexpr int kExampleLines = 5;

std::vector<std::string> namesIn(ControlBinder& binder, const char* frame) {
  return binder.pages().controlsIn(frame);
}

// A titled frame below `row` of `grid`, holding the controls of the model frame `name`.
QGroupBox* subFrame(ControlBinder& binder, QGridLayout* grid, int row, const char* name,
                    int captionRow) {
  auto* frame = new QGroupBox(qs(binder.pages().captions()(captionRow)), grid->parentWidget());
  frame->setObjectName(name);
  auto* inner = new QGridLayout(frame);
  addControls(binder, inner, namesIn(binder, name), 2, 0);
  grid->addWidget(frame, row, 0);
  return frame;
}

void buildDtmf(ControlBinder& binder, QWidget* frame) {
  QGridLayout* grid = scrollingGrid(frame);
  subFrame(binder, grid, 0, "fraDtmfEnc", 244);
  QGroupBox* decode = subFrame(binder, grid, 1, "fraDtmfDec", 250);
  auto* decodeGrid = static_cast<QGridLayout*>(decode->layout());
  subFrame(binder, decodeGrid, decodeGrid->rowCount(), "fraStun", 254);

  auto* autoDial = new QGroupBox(qs(binder.pages().captions()(257)), grid->parentWidget());
  autoDial->setObjectName("fraAutoDialList");
  auto* dialGrid = new QGridLayout(autoDial);
  int row = 0;
  for (const std::string& name : namesIn(binder, "fraAutoDialList")) {
    dialGrid->addWidget(new QLabel(QString::number(row + 1), autoDial), row, 0);
    dialGrid->addWidget(binder.widget(name, autoDial), row, 1);
    ++row;
  }
  auto* hint = new QLabel(kAutoDialHint, autoDial);
  hint->setObjectName("Label5");
  dialGrid->addWidget(hint, row, 0, 1, 2);
  grid->addWidget(autoDial, 0, 1, 2, 1);
}

void buildTwoTone(ControlBinder& binder, QWidget* frame) {
  auto* layout = new QGridLayout(frame);
  // The grid cells belong to the frame too, but the two grids show them.
  std::vector<std::string> settings = namesIn(binder, "fraSysSet7");
  std::erase_if(settings,
                [](const std::string& name) { return name.starts_with("vsfgGridTwoTone"); });
  const int row = addControls(binder, layout, settings, 1, 0);
  QPointer<TwoToneGrids> grids = new TwoToneGrids(binder.pages(), frame);
  layout->addWidget(grids->grid(0), row, 0, 1, 2);
  layout->addWidget(grids->grid(1), row + 1, 0, 1, 2);
  binder.addObserver([grids](const std::string& control) {
    if (grids) grids->show(control);
  });
}

// Information lines, radio ID, then the serial number controls.
void buildEmbeddedMsg(ControlBinder& binder, QWidget* frame) {
  QGridLayout* grid = scrollingGrid(frame);
  QWidget* parent = grid->parentWidget();
  int row = 0;
  for (int line = 1; line <= 2; ++line) {
    const std::string name = elementName("txtInfo", line);
    grid->addWidget(new QLabel(binder.labelText(name), parent), row, 0);
    grid->addWidget(binder.widget(name, parent), row++, 1, 1, 3);
  }
  grid->addWidget(new QLabel(binder.labelText("cboRadioId(0)"), parent), row, 0);
  auto* digits = new QHBoxLayout;
  for (int k = 0; k < 6; ++k)
    digits->addWidget(binder.widget(elementName("cboRadioId", k), parent));
  grid->addLayout(digits, row++, 1, 1, 3);
  grid->addWidget(binder.widget("chkAnRadioId", parent), row++, 0, 1, 4);

  grid->addWidget(binder.widget("cmdImportSeq", parent), row, 0);
  auto* serials = static_cast<QComboBox*>(binder.widget("cboImportSeq", parent));
  // "0001 -- " and a serial number of up to 16 characters.
  serials->setMinimumContentsLength(kSerialItemChars);
  serials->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  grid->addWidget(serials, row, 1);
  grid->addWidget(binder.widget("cmdSeqSwitch(0)", parent), row, 2);
  grid->addWidget(binder.widget("cmdSeqSwitch(1)", parent), row++, 3);
  QPointer<QWidget> autoNext = binder.widget("chkAutoNextSn", parent);
  grid->addWidget(autoNext, row++, 1);

  QPointer<QPlainTextEdit> example =
      new QPlainTextEdit(qs(binder.pages().control("txtSeqExample").text), parent);
  example->setObjectName("txtSeqExample");
  example->setReadOnly(true);
  example->setFixedHeight(
      qCeil(example->fontMetrics().lineSpacing() * kExampleLines +
            2 * (example->document()->documentMargin() + example->frameWidth())));
  grid->addWidget(example, row, 1, 1, 3);

  // The "Auto" box shows only while there are numbers; the example is greyed meanwhile.
  auto showSerialState = [&binder, autoNext, example] {
    if (!autoNext || !example) return;
    autoNext->setVisible(autoNextShown(binder.pages()));
    example->setEnabled(binder.pages().control("txtSeqExample").enabled);
  };
  showSerialState();
  binder.addObserver([showSerialState](const std::string& control) {
    if (control == "cboImportSeq" || control == "txtSeqExample") showSerialState();
  });
}

}  // namespace

void buildSignallingPages(ControlBinder& binder, const SignallingPageFrames& frames,
                          SignallingActions actions) {
  binder.setButtonAction("cmdPttIdPauseChSet", std::move(actions.openPttIdPauseDialog));
  binder.setButtonAction("cmdImportSeq", std::move(actions.importSerialNumbers));
  buildDtmf(binder, frames.dtmf);
  buildTwoTone(binder, frames.twoTone);
  buildEmbeddedMsg(binder, frames.embeddedMsg);
}

}  // namespace q7
