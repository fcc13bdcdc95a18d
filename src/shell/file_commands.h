#pragma once
// The main window's file commands: the data folder, New from the template,
// Open, Save and Save As of 1040-byte data files. The image is only replaced
// when a file was read whole, and a save never shifts the live image, so a
// failure at any point leaves image and old file as they were.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "foundation/app_state.h"
#include "foundation/editor_views.h"
#include "foundation/file_kind.h"
#include "foundation/prompts.h"
#include "foundation/status_panels.h"
#include "shell/edit_history.h"

namespace q7 {

inline constexpr const char* kDataFilter = "Data File(*.dat)|*.dat";
inline constexpr const char* kUntitledName = "Untitled.dat";

class FileCommands {
 public:
  FileCommands(AppState& state, Prompts& prompts, StatusPanels& status);

  // The editors, once the channel window exists; until then refreshes do nothing.
  void setViews(EditorViews* views) { views_ = views; }

  void generateDatFolder();
  void initTempArray();
  void newFileSol();
  void newFile();
  // Open; a fleet file or a channel table is not opened but its import is
  // offered (the channel table's through setTableImport).
  void openFile(const std::string& path);
  // What imports a channel table into the channels shown.
  void setTableImport(std::function<void(const std::string&)> import) {
    tableImport_ = std::move(import);
  }
  // New data built from a fleet file, shown as an opened file is (unsaved,
  // under the default name); a file with faults lists them and changes nothing.
  void importFleetFile(const std::string& path);
  // A file of Open Recent: the unsaved-changes question first, then as Open.
  void openRecent(const std::string& path);
  // Restore Default Setting: opens the defaults file beside the program as
  // Open does, after the same offer to save, but keeps the image it replaces
  // as the step before, so Undo takes the change back.
  void restoreDefaults();
  void saveFile();
  // Save As; true when the file was written.
  bool saveAsFile();
  // Writes the current data file path; false (after reporting) when it failed.
  bool saveDatFile();
  // Current path back to the default one, shown in the status bar.
  void useDefaultDataPath();

  // The image as Save or Write would send it now, with the grid's channels
  // encoded; the live image is left as it is.
  CodeplugImage pendingImage();
  // Takes the image as the one last saved or written.
  void markUnchanged();
  // Takes the image as the one last opened, started with New or read: the
  // start of the changes Undo can take back.
  void markReplaced();
  // True when the image differs from the one last opened, read, saved or written.
  bool changedSinceMarked();
  // Before the image is replaced or the program ends: where it changed, asks
  // whether to save it first. True when the caller may go on (no change, the
  // user declined, or the file was saved).
  bool offerToSave();
  // Where a save dialog starts: the current file when the user opened or
  // saved it, otherwise the folder the dialogs open on.
  std::string saveAsStart() const;
  bool holdsUserFile() const { return userFile_; }

  // After the user changed something: keeps the image as a step of the
  // history when it differs from the last one; true when it did.
  bool recordEdit();
  bool canUndo() const { return history_.canUndo(); }
  bool canRedo() const { return history_.canRedo(); }
  // Shows the step before (after) the current one, as an opened file is shown.
  void undo();
  void redo();

 private:
  void showFilePath();
  bool isShippedFile(const std::filesystem::path& path) const;
  std::string dialogFolder() const;
  // The current file is one the user opened or saved: it joins the recent files.
  void takeUserFile();
  // Both image arrays from template bytes in file layout (the template stays unshifted).
  void loadTemplate(std::span<const std::uint8_t> bytes);
  void showStep(const CodeplugImage& step);
  void offerImport(const std::string& path, FileKind kind);
  // Loads a data file into the image, shows it and names it in the status bar.
  void showFile(const std::string& path);
  void tellWrongFile();
  std::string caption(int row) const { return state_.caption(row); }

  AppState& state_;
  Prompts& prompts_;
  StatusPanels& status_;
  EditorViews* views_ = nullptr;
  CodeplugImage unchanged_;
  EditHistory history_;
  std::function<void(const std::string&)> tableImport_;
  bool userFile_ = false;
};

}  // namespace q7
