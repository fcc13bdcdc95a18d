#include "comm/ui/comm_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "comm/comm_caption_rows.h"
#include "comm/ui/control_names.h"
#include "foundation/error_report.h"
#include "foundation/setting_keys.h"
#include "foundation/ui/qt_text.h"
#include "foundation/ui/twips.h"

namespace q7 {
namespace {

constexpr int kBlinkMs = 100;

// Layout heights in twips.
constexpr int kFraOneTwips = 1935, kFraRdWrDatTwips = 2385, kFraTwoTwips = 5685;
constexpr int kOpenMarginTwips = 600, kClosedMarginTwips = 550;
constexpr int kWidth = 420;

// The address fields of the panel: control, label, settings key and the
// range value and text each one sets.
struct AddressField {
  const char* control;
  const char* label;
  const SettingKey* key;
  long MemoryRanges::*value;
  std::string MemoryRanges::*text;
};
const AddressField kAddressFields[] = {
    {"txtReadStartAddr", "Read Start Addr", &key::kReadStartAddr, &MemoryRanges::readStart,
     &MemoryRanges::readStartText},
    {"txtReadEndAddr", "Read End Addr", &key::kReadEndAddr, &MemoryRanges::readEnd,
     &MemoryRanges::readEndText},
    {"txtWriteStartAddr", "Write Start Addr", &key::kWriteStartAddr, &MemoryRanges::writeStart,
     &MemoryRanges::writeStartText},
    {"txtWriteEndAddr", "Write End Addr", &key::kWriteEndAddr, &MemoryRanges::writeEnd,
     &MemoryRanges::writeEndText},
    {"txtMaxAddr", "Grid Max Addr", &key::kTableMaxAddr, &MemoryRanges::tableMax,
     &MemoryRanges::tableMaxText},
};

QPixmap light(const QColor& colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(colour);
  painter.setPen(colour.darker());
  painter.drawEllipse(1, 1, 14, 14);
  return pixmap;
}

}  // namespace

CommWindow::CommWindow(AppState& state, Prompts& prompts, EditorViews& views, QWidget* parent)
    : QDialog(parent),
      state_(state),
      prompts_(prompts),
      views_(views),
      link_(systemPortDevices(state.settings)),
      transfer_(link_, clock_, state.captions, prompts) {
  setObjectName("frmCommun");
  setModal(true);
  link_.useCaptions(state.captions);
  buildControls();
  connectAddressFields();
  guard("frmCommun->InitFace", [&] { initFace(); });
  transfer_.setObserver(this);
  transfer_.log().setSink({[this](const std::string& line) {
                             listRtData_->addItem(qs(line));
                             listRtData_->setCurrentRow(listRtData_->count() - 1);
                           },
                           [this] { listRtData_->clear(); }});
  setAddressFields(state.ranges);
  setFixedWidth(kWidth);
  showPanel(false);
}

void CommWindow::buildControls() {
  fraOne_ = new QGroupBox(this);
  fraOne_->setGeometry(8, 0, kWidth - 16, twipsToPixels(kFraOneTwips));
  fraOne_->installEventFilter(this);
  cmdRead_ = new QPushButton(fraOne_);
  cmdRead_->setGeometry(16, 22, 100, 28);
  cmdWrite_ = new QPushButton(fraOne_);
  cmdWrite_->setGeometry(126, 22, 100, 28);
  imgGreen_ = new QLabel(fraOne_);
  imgGreen_->setPixmap(light(Qt::green));
  imgGreen_->setToolTip("通信成功");
  imgGreen_->setGeometry(330, 28, 16, 16);
  imgRed_ = new QLabel(fraOne_);
  imgRed_->setPixmap(light(Qt::red));
  imgRed_->setToolTip("通信出错");
  imgRed_->setGeometry(360, 28, 16, 16);
  prgCommunicate_ = new QProgressBar(fraOne_);
  prgCommunicate_->setRange(0, 100);
  prgCommunicate_->setValue(0);
  prgCommunicate_->setGeometry(16, 58, kWidth - 48, 18);
  lblComStatus_ = new QLabel(fraOne_);
  lblComStatus_->setGeometry(16, 80, 260, 20);
  lblComPercent_ = new QLabel(fraOne_);
  lblComPercent_->setGeometry(290, 80, 80, 20);
  chkStopCom_ = new QCheckBox(fraOne_);
  chkStopCom_->setGeometry(16, 102, 240, 20);
  chkStopCom_->hide();
  tmrLigGrint_ = new QTimer(this);
  tmrLigGrint_->setInterval(kBlinkMs);
  connect(tmrLigGrint_, &QTimer::timeout, this,
          [this] { imgGreen_->setVisible(!imgGreen_->isVisible()); });
  connect(cmdRead_, &QPushButton::clicked, this, &CommWindow::cmdRead_Click);
  connect(cmdWrite_, &QPushButton::clicked, this, &CommWindow::cmdWrite_Click);
  connect(chkStopCom_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) {
      transfer_.requestStop();
    } else {
      transfer_.withdrawStop();
    }
  });
  buildRangePanel();
  nameControls({{fraOne_, "fraOne"},
                {cmdRead_, "cmdRead"},
                {cmdWrite_, "cmdWrite"},
                {imgGreen_, "imgGreen"},
                {imgRed_, "imgRed"},
                {prgCommunicate_, "prgCommunicate"},
                {lblComStatus_, "lblComStatus"},
                {lblComPercent_, "lblComPercent"},
                {chkStopCom_, "chkStopCom"},
                {tmrLigGrint_, "tmrLigGrint"},
                {fraRdWrDat_, "fraRdWrDat"},
                {chkNotShowProg_, "chkNotShowProg"},
                {chkShowMemDat_, "chkShowMemDat"},
                {fraTwo_, "fraTwo"},
                {listRtData_, "listRtData"}});
}

void CommWindow::buildRangePanel() {
  fraRdWrDat_ = new QGroupBox("Read Write Data", this);
  fraRdWrDat_->setGeometry(8, twipsToPixels(kFraOneTwips), kWidth - 16,
                           twipsToPixels(kFraRdWrDatTwips));
  int y = 22;
  for (const AddressField& field : kAddressFields) {
    (new QLabel(field.label, fraRdWrDat_))->setGeometry(12, y, 110, 20);
    auto* edit = new QLineEdit(fraRdWrDat_);
    edit->setObjectName(field.control);
    edit->setGeometry(124, y, 70, 20);
    (new QLabel("H", fraRdWrDat_))->setGeometry(198, y, 12, 20);
    y += 26;
  }
  chkNotShowProg_ = new QCheckBox("Not Show Course", fraRdWrDat_);
  chkNotShowProg_->setGeometry(230, 22, 160, 20);
  chkShowMemDat_ = new QCheckBox("Show Memory Data", fraRdWrDat_);
  chkShowMemDat_->setGeometry(230, 48, 160, 20);
  connect(chkNotShowProg_, &QCheckBox::toggled, this,
          [this](bool on) { transfer_.log().setSuppressed(on); });
  fraTwo_ = new QGroupBox("Communication Data", this);
  fraTwo_->setGeometry(8, twipsToPixels(kFraOneTwips + kFraRdWrDatTwips), kWidth - 16,
                       twipsToPixels(kFraTwoTwips));
  listRtData_ = new QListWidget(fraTwo_);
  listRtData_->setGeometry(8, 20, kWidth - 32, twipsToPixels(kFraTwoTwips) - 28);
}

void CommWindow::initFace() {
  const QFont font(qs(state_.fontFace));
  for (QWidget* w :
       std::initializer_list<QWidget*>{this, fraOne_, chkStopCom_, cmdRead_, cmdWrite_})
    w->setFont(font);
  setWindowTitle(qs(state_.caption(row::kCommWindowTitle)));
  fraOne_->setTitle(qs(state_.caption(row::kCommProgressFrame)));
  cmdRead_->setText(qs(state_.caption(row::kReadButton)));
  cmdWrite_->setText(qs(state_.caption(row::kWriteButton)));
  chkStopCom_->setText(state_.language == kEnglish ? "Stop Communication" : "停止通信...");
  lblComStatus_->setStyleSheet("color: rgb(255, 0, 0);");
  lblComStatus_->clear();
}

QLineEdit* CommWindow::addressField(const QString& name) const {
  return fraRdWrDat_->findChild<QLineEdit*>(name);
}

void CommWindow::connectAddressFields() {
  for (const AddressField& field : kAddressFields) {
    const std::string location = std::string("frmCommun->") + field.control + "_Change";
    connect(addressField(field.control), &QLineEdit::textChanged, this,
            [this, field, location](const QString& typed) {
              guard(location, [&] {
                const std::string text = ss(typed);
                writeSetting(state_.settings, *field.key, text);
                state_.ranges.*field.text = text;
                long value = 0;
                if (!parseHex(text, value)) throw Failure(err::kTypeMismatch, text);
                state_.ranges.*field.value = value;
              });
            });
  }
}

void CommWindow::setAddressFields(const MemoryRanges& ranges) {
  for (const AddressField& field : kAddressFields) {
    QLineEdit* edit = addressField(field.control);
    const QSignalBlocker quiet(edit);
    edit->setText(qs(ranges.*field.text));
  }
}

bool CommWindow::panelOpen() const {
  return height() > twipsToPixels(kFraTwoTwips) + twipsToPixels(kFraOneTwips);
}

void CommWindow::fraOne_DblClick() {
  guard("frmCommun->fraOne_DblClick", [&] {
    if (++doubleClicks_ % 10 != 6) return;
    showPanel(!panelOpen());
  });
}

// Closed, the window is only as tall as the progress frame and the panel's
// frames are hidden, so neither the mouse nor the keyboard reaches them.
void CommWindow::showPanel(bool open) {
  fraRdWrDat_->setVisible(open);
  fraTwo_->setVisible(open);
  setFixedHeight(
      open ? twipsToPixels(kFraTwoTwips + kFraOneTwips + kFraRdWrDatTwips + kOpenMarginTwips)
           : twipsToPixels(kFraOneTwips + kClosedMarginTwips));
}

bool CommWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == fraOne_ && event->type() == QEvent::MouseButtonDblClick) fraOne_DblClick();
  return QDialog::eventFilter(watched, event);
}

// Every transfer ends with the window closed and, when it opens again, only
// tall enough for the progress frame.
void CommWindow::unload() {
  showPanel(false);
  done(QDialog::Accepted);
}

void CommWindow::setStopBox(bool visible, bool checked) {
  chkStopCom_->setVisible(visible);
  chkStopCom_->setChecked(checked);
}

void CommWindow::stopRequestedByClose() {
  if (busy_) {
    prgCommunicate_->setValue(0);
    lblComStatus_->clear();
  }
  // A checked stop box ends the running transfer at its next wait.
  setStopBox(true, true);
}

void CommWindow::closeEvent(QCloseEvent* event) {
  const bool wasBusy = busy_;
  stopRequestedByClose();
  if (wasBusy) return event->ignore();
  QDialog::closeEvent(event);
}

void CommWindow::reject() {
  if (busy_) return stopRequestedByClose();
  QDialog::reject();
}

}  // namespace q7
