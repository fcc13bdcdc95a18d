#pragma once
// frmChMem: the channel window. Its upper half is the channel grid vsfgGridCh
// with the tone box cboGridChCtdcs laid over tone cells; its lower half the
// tab control sstabSetMode with the frames fraSysSet0..8 the option pages
// fill. Tab 0 holds the model and band selection (fraModelInfo) and the
// buttons that restore the factory defaults and delete every channel.
// The grid's rules are ChannelGrid's; this window draws them and feeds them
// the user's clicks, edits and keys.
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "channels/channel_csv.h"
#include "channels/channel_grid.h"
#include "channels/channel_paste.h"
#include "channels/model_band.h"
#include "channels/option_pages_hooks.h"
#include "foundation/app_state.h"
#include "foundation/editor_views.h"
#include "foundation/prompts.h"
#include "foundation/shell_commands.h"
#include "foundation/status_panels.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace q7 {

class ChannelGridModel;
class ChannelGridView;
class CustomBandDialog;
struct RowEdit;

inline constexpr int kSysSetFrames = 9;

class ChannelWindow : public QWidget, public EditorViews {
  Q_OBJECT
 public:
  // The window asks the user nothing itself; `Prompts` is taken for symmetry
  // with the other windows the main window hosts. Its notes go to `status`.
  ChannelWindow(AppState& state, Prompts& prompts, ShellCommands& shell, StatusPanels& status,
                QWidget* parent = nullptr);
  ~ChannelWindow() override;

  // InitChMem: captions, tone list, grid layout, channel rows blanked from
  // the template, colours kept for the lock, then model and band (the band
  // selection starts a new image).
  void initChMem();
  void setOptionPages(OptionPagesHooks hooks) { optionPages_ = std::move(hooks); }

  // fraSysSet0..fraSysSet8, for the option pages to fill.
  QWidget* sysSetFrame(int index) const;
  QWidget* modelInfoFrame() const;
  const ChannelGrid& channelGrid() const { return grid_; }
  // The channels as a CSV table, in English (channel_csv.h).
  std::string exportChannels();
  // A CSV table read for this grid, nothing changed (channel_csv.h).
  CsvChannels readChannels(const std::string& table);
  // Replaces the channels with the rows of the table that fit and shows them.
  void enterChannels(const CsvChannels& table);
  // Channel rows as text (a copy, a spreadsheet's rows, a channel plan) into
  // the grid from the current channel down, asking and telling through
  // `prompts` (channel_paste.h).
  PasteOutcome pasteChannels(const std::string& text, Prompts& prompts);
  BandLimits bandLimits() const { return band_; }

  // EditorViews
  void commitPendingEdit() override;
  void storeChannels() override;
  void showImage() override;
  void showNewImage() override;
  void applyLock(bool locked) override;
  void deleteAllChannels() override;

  // The grid's events, as the user's actions raise them.
  void gridClick(int row, int column);
  void gridDblClick(int row, int column);
  void gridRightButton(int row, int column, const QPoint& globalPos);
  void toneBoxGotFocus();
  void toneBoxLostFocus();
  // A key that opens a tone cell: the tone box opens there, with the typed text.
  void gridToneKey(int row, int column, const QString& typed, bool openList);
  // Esc in the tone box: it closes and the tone stays as it was.
  void toneBoxCancelled();
  void gridCursorMoved(int row, int column);
  // The row commands of the Edit menu and the popup, on the selected channels
  // (paste and insert: from the current channel down). Each is one change of
  // the image; refused, the status bar says why. Copy and Cut put the
  // channels on the clipboard; Paste takes its text (pasteChannels).
  void cutChannels();
  void copyChannels();
  void pasteClipboard();
  void insertChannel();
  void deleteAndShiftUp();
  void moveChannelsUp();
  void moveChannelsDown();
  void sortChannels();
  void fillDown();
  void editSelectedChannels();
  // The channels the row commands act on, ascending.
  std::vector<int> selectedChannels() const;

  // The model and band controls.
  void cboModelClick();
  void cboFrequencyClick(int position);
  void cmdDefSetClick();
  void lblModelDblClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildGridFrame();
  void buildTabs();
  void buildModelInfo(QWidget* frame);
  void buildPopup();
  int currentChannel() const;
  void showRowEdit(const RowEdit& edit);
  void chInfoInitFace();
  void setChGrid();
  void chInfoModel();
  void showModelBand(const ImageModelBand& loaded);
  void showBandPosition(int position);
  void gridBeforeEdit(int row, int column, bool* allowed);
  void gridAfterEdit(int row, int column, const QString& text);
  void showGrid();
  void placeToneBox();
  std::string caption(int row) const { return state_.caption(row); }

  AppState& state_;
  Prompts& prompts_;
  ShellCommands& shell_;
  StatusPanels& status_;
  BandLimits band_;
  ChannelGrid grid_;
  OptionPagesHooks optionPages_;
  QGroupBox* fraMain_ = nullptr;
  ChannelGridModel* gridModel_ = nullptr;
  ChannelGridView* vsfgGridCh_ = nullptr;
  QComboBox* cboGridChCtdcs_ = nullptr;
  QTabWidget* sstabSetMode_ = nullptr;
  std::array<QGroupBox*, kSysSetFrames> fraSysSet_{};
  QGroupBox* fraModelInfo_ = nullptr;
  QLabel* lblModel_ = nullptr;
  QLabel* lblFrequency_ = nullptr;
  QComboBox* cboModel_ = nullptr;
  QComboBox* cboFrequency_ = nullptr;
  QPushButton* cmdDefSet_ = nullptr;
  QPushButton* cmdDelAllCh_ = nullptr;
  CustomBandDialog* frmCustomFre_ = nullptr;
  QMenu* mnuPopMenuOne_ = nullptr;
  QAction* mnuOpenCh_ = nullptr;
  QAction* mnuDelOne_ = nullptr;
  QAction* mnuDelAll_ = nullptr;
  QAction* mnuPopChLock_ = nullptr;
  QColor savedBackground_;
  QColor savedSelection_;
  bool loadingBand_ = false;
  // The band list's position before the current choice, for a custom band cancelled.
  int bandPosition_ = kDefaultBand;
  bool drawing_ = false;
  int modelLabelClicks_ = 0;
};

}  // namespace q7
