#include "shell/ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "channels/channel_caption_rows.h"
#include "channels/channel_record.h"
#include "channels/radio_charset.h"
#include "channels/ui/channel_window.h"
#include "comm/comm_caption_rows.h"
#include "comm/port_selection.h"
#include "comm/ui/comm_window.h"
#include "comm/ui/memory_view.h"
#include "comm/ui/port_description.h"
#include "comm/ui/port_dialog.h"
#include "comm/ui/qt_serial_link.h"
#include "foundation/error_report.h"
#include "foundation/shared_caption_rows.h"
#include "foundation/ui/qt_text.h"
#include "settings/key_page.h"
#include "settings/ui/settings_panel.h"
#include "settings/volume_table.h"
#include "shell/file_menu_caption_rows.h"
#include "shell/language_choice.h"
#include "shell/shell_caption_rows.h"
#include "shell/ui/about_box.h"
#include "shell/ui/error_list_window.h"

namespace q7 {

// The plain commands of the menus, in menu order; a null name is a separator.
// Each runs guarded as "mdifrmMain-><name>_Click".
struct MenuCommand {
  const char* menu;
  const char* name;
  int row;
  const char* shortcut;
  void (MainWindow::*handler)();
};

template <void (ChannelWindow::*Command)()>
void MainWindow::channelCommand() {
  (frmChMem_->*Command)();
}

namespace {

struct Captioned {
  const char* name;
  int row;
};
// Captions of the menus and of the entries that are not plain commands.
constexpr Captioned kMenuCaptions[] = {
    {"mnuFile", 20},
    {"mnuEdit", 471},
    {"mnuProgram", 26},
    {"mnuSet", 31},
    {"mnuLockFace", 58},
    {"mnuLangSetting", 33},
    {"mnuLangSel0", 34},
    {"mnuLangSel1", 57},
    {"mnuLangSel2", 35},
    {"mnuHelp", 36},
    {"mnuBackups", 460},
    {"mnuVerify", 461},
    {"mnuFileRecent", row::kOpenRecent},
};

struct ToolButton {
  const char* key;
  int row;
  QStyle::StandardPixmap icon;
  void (MainWindow::*handler)();
};
constexpr ToolButton kToolButtons[] = {
    {"FileNew", 0, QStyle::SP_FileIcon, &MainWindow::newFile},
    {"FileOpen", 1, QStyle::SP_DialogOpenButton, &MainWindow::openFileFromDialog},
    {"FileSave", 2, QStyle::SP_DialogSaveButton, &MainWindow::saveFile},
    {"Read", 3, QStyle::SP_ArrowDown, &MainWindow::readRadio},
    {"Write", 4, QStyle::SP_ArrowUp, &MainWindow::writeRadio},
    {"Com", 5, QStyle::SP_ComputerIcon, &MainWindow::communicationPort},
    {"Help", 6, QStyle::SP_DialogHelpButton, &MainWindow::help},
    {"Exit", 7, QStyle::SP_DialogCloseButton, &MainWindow::exitSoft},
};

constexpr MenuCommand kMenuCommands[] = {
    {"mnuFile", "mnuFileNew", 21, "Ctrl+N", &MainWindow::newFile},
    {"mnuFile", "mnuFileOpen", 22, "Ctrl+O", &MainWindow::openFileFromDialog},
    {"mnuFile", "mnuFileSave", 23, "Ctrl+S", &MainWindow::saveFile},
    {"mnuFile", "mnuFileSaveAs", 24, "Ctrl+Shift+S", &MainWindow::saveFileAs},
    {"mnuFile", nullptr, 0, "", nullptr},
    {"mnuFile", "mnuPrint", row::kPrint, "Ctrl+P", &MainWindow::printImage},
    {"mnuFile", "mnuPrintPreview", row::kPrintPreview, "", &MainWindow::previewImage},
    {"mnuFile", "mnuExportPdf", row::kExportPdf, "", &MainWindow::exportPdf},
    {"mnuFile", nullptr, 0, "", nullptr},
    {"mnuFile", "mnuCompare", 462, "", &MainWindow::compareWithFile},
    {"mnuFile", "mnuExportCh", 450, "", &MainWindow::exportChannels},
    {"mnuFile", "mnuImportCh", 451, "", &MainWindow::importChannels},
    {"mnuFile", "mnuOpenChannelPlan", 552, "", &MainWindow::openChannelPlan},
    {"mnuFile", nullptr, 0, "", nullptr},
    {"mnuFile", "mnuExit", 25, "", &MainWindow::exitSoft},
    {"mnuEdit", "mnuUndo", 472, "Ctrl+Z", &MainWindow::undo},
    {"mnuEdit", "mnuRedo", 473, "Ctrl+Y", &MainWindow::redo},
    {"mnuEdit", nullptr, 0, "", nullptr},
    {"mnuEdit", "mnuCut", row::kCut, "Ctrl+X",
     &MainWindow::channelCommand<&ChannelWindow::cutChannels>},
    {"mnuEdit", "mnuCopy", row::kCopy, "Ctrl+C",
     &MainWindow::channelCommand<&ChannelWindow::copyChannels>},
    {"mnuEdit", "mnuPaste", row::kPaste, "Ctrl+V",
     &MainWindow::channelCommand<&ChannelWindow::pasteClipboard>},
    {"mnuEdit", nullptr, 0, "", nullptr},
    {"mnuEdit", "mnuInsertCh", row::kInsertChannel, "Ctrl+I",
     &MainWindow::channelCommand<&ChannelWindow::insertChannel>},
    {"mnuEdit", "mnuDeleteShiftUp", row::kDeleteAndShiftUp, "Ctrl+Shift+Delete",
     &MainWindow::channelCommand<&ChannelWindow::deleteAndShiftUp>},
    {"mnuEdit", "mnuMoveUp", row::kMoveUp, "Ctrl+Up",
     &MainWindow::channelCommand<&ChannelWindow::moveChannelsUp>},
    {"mnuEdit", "mnuMoveDown", row::kMoveDown, "Ctrl+Down",
     &MainWindow::channelCommand<&ChannelWindow::moveChannelsDown>},
    {"mnuEdit", "mnuSortRx", row::kSortByRx, "",
     &MainWindow::channelCommand<&ChannelWindow::sortChannels>},
    {"mnuEdit", "mnuFillDown", row::kFillDown, "Ctrl+D",
     &MainWindow::channelCommand<&ChannelWindow::fillDown>},
    {"mnuEdit", "mnuEditSelected", row::kEditSelected, "",
     &MainWindow::channelCommand<&ChannelWindow::editSelectedChannels>},
    {"mnuProgram", "mnuReadFre", 27, "Ctrl+R", &MainWindow::readRadio},
    {"mnuProgram", "mnuWriteFre", 28, "Ctrl+W", &MainWindow::writeRadio},
    {"mnuSet", "mnuCommunicate", 32, "", &MainWindow::communicationPort},
    {"mnuHelp", "mnuUserGuide", row::kUserGuide, "F1", &MainWindow::help},
    {"mnuHelp", "mnuOpenBackups", row::kOpenBackups, "", &MainWindow::openBackupsFolder},
    {"mnuHelp", nullptr, 0, "", nullptr},
    {"mnuHelp", "mnuAboutSoft", 38, "", &MainWindow::aboutSoft},
};

// Language menu entries by language index 1..3.
constexpr const char* kLanguageEntries[] = {"mnuLangSel0", "mnuLangSel1", "mnuLangSel2"};

struct PanelKey {
  int panel;
  const char* key;
};
constexpr PanelKey kPanels[] = {
    {kNoticePanel, "statusNotice"}, {kPortPanel, "statusCom"}, {kFilePanel, "statusAddress"}};

}  // namespace

MainWindow::MainWindow(AppState& state, Prompts& prompts)
    : state_(state),
      prompts_(prompts),
      files_(state, prompts, *this),
      lock_(state, *this, *this),
      mdi_(new QMdiArea(this)),
      tmrChLock_(new QTimer(this)),
      tmrChLockBlink_(new QTimer(this)) {
  setObjectName("mdifrmMain");
  mdi_->setObjectName("mdiArea");
  setCentralWidget(mdi_);
  fitScreen();
  buildMenus();
  buildToolBar();
  buildStatusBar();
  tmrChLock_->setObjectName("tmrChLock");
  tmrChLock_->setInterval(30000);
  tmrChLockBlink_->setObjectName("tmrChLockBlink");
  tmrChLockBlink_->setInterval(5000);
  connect(tmrChLock_, &QTimer::timeout, this, [this] { lock_.idleCheck(); });
  connect(tmrChLockBlink_, &QTimer::timeout, this, [this] { lock_.blink(); });
  errorReporter().setListener([this](const std::string& line) { showErrorLine(line); });
  watchUserInput();
}

MainWindow::~MainWindow() {
  errorReporter().setListener(nullptr);
}

// The first window is 1024 x 768 where the screen has room for that and its
// title bar; on a smaller screen it takes what there is, so the status bar
// stays in sight.
void MainWindow::fitScreen() {
  constexpr int kWidth = 1024, kHeight = 768, kTitleBar = 40;
  const QRect room = screen()->availableGeometry();
  resize(std::min(kWidth, room.width()), std::min(kHeight, room.height() - kTitleBar));
}

QAction* MainWindow::action(const QString& name) const {
  const auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::addAction(QMenu* menu, const char* name, const QKeySequence& shortcut) {
  QAction* a = menu->addAction(QString());
  a->setObjectName(name);
  a->setShortcut(shortcut);
  actions_[name] = a;
  return a;
}

QMenu* MainWindow::addMenu(QMenu* parent, const char* name) {
  QMenu* m = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
  m->setObjectName(name);
  menus_[name] = m;
  return m;
}

void MainWindow::addCommands(std::span<const MenuCommand> commands) {
  for (const MenuCommand& c : commands) {
    if (!menus_.contains(c.menu)) addMenu(nullptr, c.menu);
    QMenu* menu = menus_.at(c.menu);
    if (!c.name) {
      menu->addSeparator();
      continue;
    }
    QAction* a = addAction(menu, c.name, QKeySequence(c.shortcut));
    const std::string location = std::string("mdifrmMain->") + c.name + "_Click";
    connect(a, &QAction::triggered, this, [this, location, handler = c.handler] {
      guard(location, [&] { (this->*handler)(); });
    });
  }
}

// The plain commands first (they make the menu bar), then the entries with
// check marks and the language menu under Settings.
void MainWindow::buildMenus() {
  addCommands(kMenuCommands);
  buildRecentMenu();
  QMenu* settings = menus_.at("mnuSet");
  settings->addSeparator();
  QAction* lockFace = addAction(settings, "mnuLockFace");
  lockFace->setCheckable(true);
  // The check mark follows the lock state only, never the click itself.
  connect(lockFace, &QAction::triggered, this, [this, lockFace] {
    lockFace->setChecked(!lockFace->isChecked());
    toggleLock("mdifrmMain->mnuChLock_Click");
  });
  addSafeguardItems(settings);
  settings->addSeparator();
  QMenu* languages = addMenu(settings, "mnuLangSetting");
  actions_["mnuLangSetting"] = languages->menuAction();
  for (int language : {kSimplifiedChinese, kEnglish, kTraditionalChinese}) {
    QAction* a = addAction(languages, kLanguageEntries[language - 1]);
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
  }
  for (const auto& [name, m] : menus_) actions_[name] = m->menuAction();
}

void MainWindow::buildToolBar() {
  toolBar_ = addToolBar(QString());
  toolBar_->setObjectName("tlbMdiFrmMain");
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  toolBar_->setMovable(false);
  for (const ToolButton& b : kToolButtons) {
    QAction* a = toolBar_->addAction(style()->standardIcon(b.icon), QString());
    a->setObjectName(QString("tlb") + b.key);
    a->setData(QString(b.key));
    actions_[a->objectName()] = a;
    connect(a, &QAction::triggered, this,
            [this, a] { tlbMdiFrmMain_ButtonClick(a->data().toString()); });
  }
}

void MainWindow::buildStatusBar() {
  statusBar()->setObjectName("sbrStatus");
  for (const PanelKey& p : kPanels) {
    auto* label = new QLabel(this);
    label->setObjectName(p.key);
    statusBar()->addWidget(label, p.panel == kFilePanel ? 1 : 0);
    panels_[p.panel] = label;
  }
}

void MainWindow::tlbMdiFrmMain_ButtonClick(const QString& key) {
  guard("mdifrmMain->tlbmdifrmMain_ButtonClick", [&] {
    for (const ToolButton& b : kToolButtons) {
      if (key == b.key) (this->*b.handler)();
    }
  });
}

StartupOutcome MainWindow::start() {
  StartupOutcome outcome = StartupOutcome::Failed;
  guard("mdifrmMain->MDIForm_Load", [&] { outcome = Startup(state_, *this, files_, *this).run(); });
  if (outcome == StartupOutcome::Started) {
    files_.markReplaced();
    showEditState();
    tmrChLock_->start();
  } else if (outcome == StartupOutcome::Failed) {
    keepOnlyExit();
  }
  return outcome;
}

// The windows behind the other entries may not exist after a failed start.
void MainWindow::keepOnlyExit() {
  setSoftFace();
  static const QStringList kKept = {"mnuFile", "mnuExit",      "tlbExit",
                                    "mnuHelp", "mnuUserGuide", "mnuAboutSoft"};
  for (const auto& [name, a] : actions_) a->setEnabled(kKept.contains(name));
  guard("mdifrmMain->MDIForm_Load", [&] { files_.markReplaced(); });
  state_.quitWithoutAsking = true;
}

void MainWindow::setPanelText(int panel, const std::string& text) {
  if (const auto it = panels_.find(panel); it != panels_.end()) it->second->setText(qs(text));
}

std::string MainWindow::panelText(int panel) const {
  const auto it = panels_.find(panel);
  return it == panels_.end() ? std::string() : ss(it->second->text());
}

void MainWindow::setLockChecked(bool checked) {
  action("mnuLockFace")->setChecked(checked);
}

bool MainWindow::lockChecked() const {
  return action("mnuLockFace")->isChecked();
}

void MainWindow::setBlinking(bool running) {
  if (running) {
    tmrChLockBlink_->start();
  } else {
    tmrChLockBlink_->stop();
  }
}

void MainWindow::setMemoryViewVisible(bool visible) {
  if (frmMemDat_) frmMemDat_->setVisible(visible);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool accepted = state_.closing;
  guard("mdifrmMain->MDIForm_QueryUnload", [&] {
    // A close of the program's own (a language change) has asked already.
    if (!accepted)
      accepted =
          (state_.quitWithoutAsking || files_.offerToSave()) && confirmExit(state_, prompts_);
    if (!accepted) return;
    if (frmChMem_) frmChMem_->close();
    if (frmCommun_) frmCommun_->close();
    if (errorList_) errorList_->close();
    if (frmMemDat_) frmMemDat_->close();
  });
  if (accepted) {
    tmrChLock_->stop();
    tmrChLockBlink_->stop();
    event->accept();
  } else {
    event->ignore();
  }
}

int MainWindow::systemLocaleId() {
  const QLocale locale = QLocale::system();
  if (locale.language() == QLocale::Chinese) {
    const bool traditional = locale.script() == QLocale::TraditionalChineseScript ||
                             locale.territory() == QLocale::Taiwan ||
                             locale.territory() == QLocale::HongKong ||
                             locale.territory() == QLocale::Macao;
    return traditional ? kLocaleTraditionalChinese : kLocaleSimplifiedChinese;
  }
  if (locale.language() == QLocale::English && locale.territory() == QLocale::UnitedStates) {
    return kLocaleUsEnglish;
  }
  return 0;
}

// The start-up port check and the automatic choice test the ports through
// the same serial link the port dialog uses.
void MainWindow::autoSetPort() {
  PortSelection(portLink()).autoSetPort(state_);
}

bool MainWindow::verdictCom(int port) {
  return PortSelection(portLink()).verdictCom(port);
}

QtSerialLink& MainWindow::portLink() {
  if (!portLink_) {
    portLink_ = std::make_unique<QtSerialLink>(systemPortDevices(state_.settings));
    portLink_->useCaptions(state_.captions);
  }
  return *portLink_;
}

void MainWindow::setLanguageChecks(int language) {
  for (int l = kSimplifiedChinese; l <= kEnglish; ++l) {
    action(kLanguageEntries[l - 1])->setChecked(l == language);
  }
}

void MainWindow::buildCharacterTable() {
  radioCharset();
}

// The communication window takes the range texts from the shared state when
// it is made, right after the channel window it works with.
void MainWindow::setAddressFields(const MemoryRanges& ranges) {
  if (frmCommun_) frmCommun_->setAddressFields(ranges);
}

// The communication window lives for the whole run, so the protocol's slow
// mode, once set by a time-out, stays set.
void MainWindow::prepareCommWindow() {
  frmCommun_ = new CommWindow(state_, prompts_, *frmChMem_, this);
  TransferHooks hooks;
  hooks.commitKeyLists = [this] { commitKeyLists(optionPages_->model()); };
  hooks.bandLimits = [this] { return frmChMem_->bandLimits(); };
  frmCommun_->setTransferHooks(std::move(hooks));
}

void MainWindow::loadVoiceSequence() {
  getVoiceSeq();
}

// Nothing is left to prepare here: every read and write selects the standard
// command pair and rebuilds both step tables from the ranges of the moment
// when it starts, so a pair a radio declared never outlives its transfer.
void MainWindow::prepareCommandPair() {}

void MainWindow::setSoftFace() {
  guard("mdimoduMain->SetSoftFace", [&] {
    for (const Captioned& c : kMenuCaptions) action(c.name)->setText(qs(state_.caption(c.row)));
    for (const MenuCommand& c : kMenuCommands) {
      if (c.name) action(c.name)->setText(qs(state_.caption(c.row)));
    }
    for (const ToolButton& b : kToolButtons) {
      action(QString("tlb") + b.key)->setText(qs(state_.caption(b.row)));
    }
    showTitle();
    setPanelText(kNoticePanel, state_.caption(row::kReady));
    showPortPanel();
    setPanelText(kFilePanel, state_.caption(row::kFileName) + state_.currentDataPath.string());
  });
}

void MainWindow::initChannelWindow() {
  frmChMem_ = new ChannelWindow(state_, prompts_, *this, *this);
  optionPages_ = new SettingsPanel(state_, *frmChMem_, &prompts_);
  optionPages_->setParent(frmChMem_);
  frmChMem_->setOptionPages(optionPages_->hooks());
  files_.setViews(frmChMem_);
  files_.setTableImport([this](const std::string& path) { importChannelsFrom(path); });
  lock_.setViews(frmChMem_);
  prepareCommWindow();
  frmChMem_->initChMem();
}

void MainWindow::initMemoryGrid() {
  frmMemDat_ = new MemoryView(state_, prompts_, *frmChMem_, this);
  frmMemDat_->setGridMemDat();
  frmCommun_->setMemoryView(frmMemDat_);
}

void MainWindow::showChannelWindow() {
  QMdiSubWindow* child = mdi_->addSubWindow(frmChMem_);
  child->setWindowFlags(Qt::FramelessWindowHint);
  child->showMaximized();
}

void MainWindow::applyChannelLock(bool) {
  lock_.applyStored();
}

// "COM3", followed on Linux by the device port 3 stands for.
void MainWindow::showPortPanel() {
  const std::string name = "COM" + std::to_string(state_.port);
  const std::string device = systemPortDevices(state_.settings)(state_.port);
  if (device == name) return setPanelText(kPortPanel, name);
  setPanelText(kPortPanel,
               name + "  " + (devicePresent(device) ? device : state_.caption(row::kNotPresent)));
}

void MainWindow::showErrorLine(const std::string& line) {
  if (!errorList_) {
    errorList_ = new ErrorListWindow(this);
    errorList_->setAttribute(Qt::WA_DeleteOnClose);
    addDockWidget(Qt::BottomDockWidgetArea, errorList_);
  }
  errorList_->appendLine(qs(line));
  errorList_->show();
}

void MainWindow::readRadio() {
  frmCommun_->showRead();
  if (showOutcome(row::kReadSuccessful, row::kReadFailed)) files_.markReplaced();
}

// The pending tone edit reaches the channel table first; an image without a
// single channel is written only when the user says so.
void MainWindow::writeRadio() {
  frmChMem_->commitPendingEdit();
  if (!anyChannelInUse(files_.pendingImage()) &&
      !prompts_.askYesNo(state_.caption(row::kNotice), state_.caption(row::kNoChannel),
                         PromptIcon::Question)) {
    return;
  }
  frmCommun_->showWrite();
  const bool written = showOutcome(row::kWriteSucceeded, row::kWriteFailed);
  // The next serial number only once the radio holds this one: the read-back
  // compares with what was sent.
  if (const auto& write = frmCommun_->lastWrite(); write && write->endedWell())
    optionPages_->advanceSerialNumber();
  if (written) files_.markUnchanged();
  reportCheckedWrite();
}

// The status bar keeps how the transfer ended after the communication window
// has gone. True after a success: the image read or written is the one a
// later change is measured from.
bool MainWindow::showOutcome(int succeededRow, int failedRow) {
  const auto outcome = frmCommun_->lastOutcome();
  if (!outcome || *outcome == TransferOutcome::PortNotOpened) return false;
  const bool succeeded = *outcome == TransferOutcome::Succeeded;
  lock_.showPassing(state_.caption(succeeded ? succeededRow : failedRow));
  return succeeded;
}

void MainWindow::communicationPort() {
  PortDialog dialog(state_, portLink(), this);
  dialog.exec();
  showPortPanel();
}

void MainWindow::aboutSoft() {
  AboutBox box(state_.language, qs(state_.fontFace), this);
  box.exec();
}

}  // namespace q7
