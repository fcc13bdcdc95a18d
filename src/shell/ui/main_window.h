#pragma once
// mdifrmMain: the program's frame. Its start is the start-up sequence, its
// close is the program's exit; it carries the menus, the toolbar, the status
// bar, the channel lock timers and hosts every other window.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <span>

#include "foundation/app_state.h"
#include "foundation/shell_commands.h"
#include "foundation/status_panels.h"
#include "shell/channel_lock.h"
#include "shell/file_commands.h"
#include "shell/startup.h"

class QAction;
class QLabel;
class QMdiArea;
class QTimer;
class QToolBar;

namespace q7 {

class ChannelWindow;
struct MenuCommand;
class CommWindow;
class CompareWindow;
class ErrorListWindow;
class MemoryView;
class QtSerialLink;
class SettingsPanel;

class MainWindow : public QMainWindow,
                   public StatusPanels,
                   public StartupHost,
                   public LockIndicators,
                   public ShellCommands {
  Q_OBJECT
 public:
  MainWindow(AppState& state, Prompts& prompts);
  ~MainWindow() override;

  // Runs the start-up sequence. After a failure only the entries that need
  // no prepared window stay enabled: Exit, About and the file menu itself.
  StartupOutcome start();
  // Starts the program anew after a language change (replaceable for tests).
  void setRestarter(std::function<void()> restart) { restart_ = std::move(restart); }

  FileCommands& files() { return files_; }
  ChannelWindow* channelWindow() const { return frmChMem_; }
  SettingsPanel* optionPages() const { return optionPages_; }
  CommWindow* commWindow() const { return frmCommun_; }
  MemoryView* memoryView() const { return frmMemDat_; }
  CompareWindow* compareWindow() const { return frmCompare_; }
  ChannelLock& channelLock() { return lock_; }
  QAction* action(const QString& name) const;

  // StatusPanels
  void setPanelText(int panel, const std::string& text) override;
  std::string panelText(int panel) const override;
  // LockIndicators
  void setLockChecked(bool checked) override;
  bool lockChecked() const override;
  void setBlinking(bool running) override;
  // ShellCommands
  void newFileSol() override { files_.newFileSol(); }
  void openFile(const std::string& path) override { files_.openFile(path); }
  void useDefaultDataPath() override { files_.useDefaultDataPath(); }
  void toggleChannelLock() override { lock_.toggle("mdifrmMain->mnuPopChLock_Click"); }
  void setMemoryViewVisible(bool visible) override;

  void tlbMdiFrmMain_ButtonClick(const QString& key);
  void chooseLanguage(int language);
  void exitSoft() { close(); }
  void help();

  // What the menu entries and toolbar buttons do.
  void newFile() { files_.newFile(); }
  void openFileFromDialog() { files_.openFile(""); }
  void saveFile() { files_.saveFile(); }
  void saveFileAs() { files_.saveAsFile(); }
  void readRadio();
  void writeRadio();
  void communicationPort();
  void aboutSoft();
  void compareWithFile();
  void exportChannels();
  void importChannels();
  void openChannelPlan();
  void undo();
  void redo();
  // A row command of the channel window (Edit menu: cut, copy, paste, ...).
  template <void (ChannelWindow::*Command)()>
  void channelCommand();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // StartupHost
  int systemLocaleId() override;
  void autoSetPort() override;
  bool verdictCom(int port) override;
  void setLanguageChecks(int language) override;
  void buildCharacterTable() override;
  void setAddressFields(const MemoryRanges& ranges) override;
  void loadVoiceSequence() override;
  void prepareCommandPair() override;
  void setSoftFace() override;
  void initChannelWindow() override;
  void initMemoryGrid() override;
  void showChannelWindow() override;
  void applyChannelLock(bool locked) override;

  void keepOnlyExit();
  void fitScreen();
  void buildMenus();
  void buildToolBar();
  void buildStatusBar();
  QAction* addAction(QMenu* menu, const char* name, const QKeySequence& shortcut = {});
  QMenu* addMenu(QMenu* parent, const char* name);
  void addCommands(std::span<const MenuCommand> commands);
  void showPortPanel();
  QtSerialLink& portLink();
  void prepareCommWindow();
  void showErrorLine(const std::string& line);
  bool showOutcome(int succeededRow, int failedRow);
  // The dealer's safeguards and the comparison of two images.
  void addSafeguardItems(QMenu* settings);
  void showComparison(const CodeplugImage& before, const CodeplugImage& after);
  void reportCheckedWrite();
  // Undo and Redo, and the title's mark of a changed image.
  void watchUserInput();
  bool eventFilter(QObject* watched, QEvent* event) override;
  void recordUserChange();
  void showEditState();
  void showTitle();

  AppState& state_;
  Prompts& prompts_;
  FileCommands files_;
  ChannelLock lock_;
  std::function<void()> restart_;
  QMdiArea* mdi_;
  QToolBar* toolBar_ = nullptr;
  std::map<QString, QAction*> actions_;
  std::map<QString, QMenu*> menus_;
  std::map<int, QLabel*> panels_;
  QTimer* tmrChLock_;
  QTimer* tmrChLockBlink_;
  QPointer<ErrorListWindow> errorList_;
  ChannelWindow* frmChMem_ = nullptr;
  SettingsPanel* optionPages_ = nullptr;
  CommWindow* frmCommun_ = nullptr;
  MemoryView* frmMemDat_ = nullptr;
  CompareWindow* frmCompare_ = nullptr;
  std::unique_ptr<QtSerialLink> portLink_;
  bool changeCheckQueued_ = false;
};

}  // namespace q7
