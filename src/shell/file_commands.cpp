#include "shell/file_commands.h"

#include <array>
#include <fstream>
#include <sstream>

#include "foundation/error_report.h"
#include "foundation/file_kind.h"
#include "foundation/shared_caption_rows.h"
#include "shell/fleet_json.h"
#include "shell/recent_files.h"
#include "shell/shell_caption_rows.h"
#include "shell/shipped_files.h"

namespace q7 {
namespace {

constexpr std::array<std::size_t, 5> kKeptByNew = {890, 891, 892, 893, 889};

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) || a.lexically_normal() == b.lexically_normal();
}

}  // namespace

FileCommands::FileCommands(AppState& state, Prompts& prompts, StatusPanels& status)
    : state_(state), prompts_(prompts), status_(status) {}

void FileCommands::showFilePath() {
  status_.setPanelText(kFilePanel, caption(row::kFileName) + state_.currentDataPath.string());
}

void FileCommands::useDefaultDataPath() {
  state_.currentDataPath = state_.defaultDataPath;
  userFile_ = false;
  showFilePath();
}

bool FileCommands::isShippedFile(const std::filesystem::path& path) const {
  return sameFile(path, state_.programFolder / kTemplateFileName) ||
         sameFile(path, state_.programFolder / kDefaultsFileName);
}

// The dialogs open on the current file's folder with no name filled in; after
// the template or the defaults were opened they open on the data folder.
std::string FileCommands::dialogFolder() const {
  const bool shipped = state_.currentDataPath.empty() || isShippedFile(state_.currentDataPath);
  return (shipped ? state_.defaultDataPath : state_.currentDataPath).parent_path().string();
}

std::string FileCommands::saveAsStart() const {
  return userFile_ ? state_.currentDataPath.string() : dialogFolder();
}

void FileCommands::takeUserFile() {
  userFile_ = !isShippedFile(state_.currentDataPath);
  if (userFile_) RecentFiles(state_.settings).remember(state_.currentDataPath);
}

void FileCommands::generateDatFolder() {
  guard("mdifrmMain->GenerateDatFolder", [&] {
    const auto folder = state_.dataFolderPath();
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
      std::filesystem::create_directories(folder, ec);
      if (ec) throw Failure(err::kPathAccess, folder.string());
    }
    state_.defaultDataPath = folder / kUntitledName;
    useDefaultDataPath();
  });
}

void FileCommands::initTempArray() {
  const bool loaded = guard("mdifrmMain->InitTempArray", [&] {
    loadTemplate(readImageFile(state_.programFolder / kTemplateFileName, state_.image.size()));
  });
  // The program stays usable without its template: the built-in blank image stands in.
  if (!loaded) loadTemplate(builtInTemplate());
}

void FileCommands::loadTemplate(std::span<const std::uint8_t> bytes) {
  state_.templateImage = CodeplugImage(state_.image.size() - 1);
  std::copy(bytes.begin(), bytes.end(), state_.templateImage.bytes().begin());
  state_.image.loadFileLayout(bytes);
}

void FileCommands::newFileSol() {
  guard("mdifrmMain->NewFileSol", [&] {
    std::array<std::uint8_t, kKeptByNew.size()> kept{};
    for (std::size_t i = 0; i < kKeptByNew.size(); ++i) kept[i] = state_.image[kKeptByNew[i]];
    initTempArray();
    for (std::size_t i = 0; i < kKeptByNew.size(); ++i) state_.image[kKeptByNew[i]] = kept[i];
    if (views_) views_->showNewImage();
  });
}

void FileCommands::newFile() {
  guard("mdifrmMain->NewFile", [&] {
    if (!offerToSave()) return;
    if (!prompts_.askYesNo(caption(row::kNotice), caption(row::kNewQuestion),
                           PromptIcon::Question)) {
      return;
    }
    useDefaultDataPath();
    newFileSol();
    markReplaced();
  });
}

void FileCommands::openFile(const std::string& requested) {
  std::string path = requested;
  std::optional<FileKind> other;
  const bool opened = guard("mdifrmMain->OpenFile", [&] {
    if (path.empty()) {
      if (!offerToSave()) return;
      const auto chosen = prompts_.openFileName(kDataFilter, dialogFolder());
      if (!chosen || chosen->empty()) return;
      path = *chosen;
    }
    try {
      showFile(path);
    } catch (const NotADataFile& notData) {
      other = notData.kind();
      return;
    }
    markReplaced();
  });
  if (!opened || other == FileKind::kText) {
    tellWrongFile();
  } else if (other) {
    offerImport(path, *other);
  }
}

void FileCommands::restoreDefaults() {
  const bool opened = guard("mdifrmMain->OpenFile", [&] {
    if (!offerToSave()) return;
    recordEdit();
    showFile((state_.programFolder / kDefaultsFileName).string());
    markUnchanged();
    recordEdit();
  });
  if (!opened) tellWrongFile();
}

void FileCommands::showFile(const std::string& path) {
  const auto bytes = readImageFile(path, state_.image.size());
  state_.image.loadFileLayout(bytes);
  if (views_) views_->showImage();
  state_.currentDataPath = path;
  takeUserFile();
  showFilePath();
}

void FileCommands::tellWrongFile() {
  prompts_.tell(caption(row::kNotice), caption(row::kWrongFile), PromptIcon::Critical);
}

// A fleet file builds new data, a channel table goes to Import Channels.
void FileCommands::offerImport(const std::string& path, FileKind kind) {
  const bool fleet = kind == FileKind::kFleetFile;
  const int question = fleet ? row::kOfferFleetImport : row::kOfferTableImport;
  if (!prompts_.askYesNo(caption(row::kNotice), caption(question) + "\n" + path,
                         PromptIcon::Question))
    return;
  if (fleet) return importFleetFile(path);
  if (tableImport_) tableImport_(path);
}

void FileCommands::importFleetFile(const std::string& path) {
  guard("mdifrmMain->ImportFleet", [&] {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    // Fleet files are written with the English texts.
    AppState english = state_;
    english.language = kEnglish;
    english.captions = CaptionTable(kEnglish);
    const FleetImport built = importFleet(text.str(), english);
    if (!built.faults.empty()) {
      std::string list = caption(row::kFleetFaults);
      for (const std::string& fault : built.faults) list += "\n" + fault;
      return prompts_.tell(caption(row::kNotice), list, PromptIcon::Exclamation);
    }
    state_.image = built.image;
    if (views_) views_->showImage();
    useDefaultDataPath();
    markReplaced();
  });
}

void FileCommands::openRecent(const std::string& path) {
  if (offerToSave()) openFile(path);
}

void FileCommands::saveFile() {
  const bool ok = guard("mdifrmMain->SaveFile", [&] {
    if (views_) views_->commitPendingEdit();
    if (prompts_.askYesNo(caption(row::kNotice), caption(row::kSaveQuestion),
                          PromptIcon::Question)) {
      saveAsFile();
    }
  });
  if (!ok) prompts_.tell(caption(row::kNotice), caption(row::kSaveFailed), PromptIcon::Critical);
}

bool FileCommands::saveAsFile() {
  bool chosenName = false;
  bool saved = false;
  const bool ok = guard("mdifrmMain->SaveAsFile", [&] {
    const auto chosen = prompts_.saveFileName(kDataFilter, saveAsStart(), "dat");
    if (!chosen || chosen->empty()) return;
    chosenName = true;
    // The shipped template and defaults stay as shipped.
    if (isShippedFile(*chosen)) throw Failure(err::kPermission, *chosen);
    const auto previous = state_.currentDataPath;
    state_.currentDataPath = *chosen;
    saved = saveDatFile();
    // A file that was not written is not the current file.
    if (!saved) state_.currentDataPath = previous;
  });
  if (!ok || (chosenName && !saved)) {
    prompts_.tell(caption(row::kNotice), caption(row::kSaveAsFailed), PromptIcon::Critical);
  }
  return saved;
}

bool FileCommands::saveDatFile() {
  return guard("mdifrmMain->SaveDatFile", [&] {
    if (views_) views_->storeChannels();
    writeDataFile(state_.currentDataPath, state_.image);
    state_.image.markSaved();
    takeUserFile();
    showFilePath();
    markUnchanged();
  });
}

CodeplugImage FileCommands::pendingImage() {
  const CodeplugImage live = state_.image;
  if (views_) views_->storeChannels();
  CodeplugImage pending = state_.image;
  state_.image = live;
  return pending;
}

void FileCommands::markUnchanged() {
  unchanged_ = pendingImage();
}

void FileCommands::markReplaced() {
  markUnchanged();
  history_.reset(unchanged_);
}

bool FileCommands::changedSinceMarked() {
  return !sameFiledBytes(pendingImage(), unchanged_);
}

bool FileCommands::recordEdit() {
  return history_.record(pendingImage());
}

void FileCommands::undo() {
  if (history_.canUndo()) showStep(history_.undo());
}

void FileCommands::redo() {
  if (history_.canRedo()) showStep(history_.redo());
}

// The step is shown as an opened file is; what the display settles of it is
// the step from then on, so showing it is not taken for a new change.
void FileCommands::showStep(const CodeplugImage& step) {
  state_.image = step;
  if (views_) views_->showImage();
  history_.settle(pendingImage());
}

bool FileCommands::offerToSave() {
  if (views_) views_->commitPendingEdit();
  if (!changedSinceMarked()) return true;
  if (!prompts_.askYesNo(caption(row::kNotice), caption(row::kSaveQuestion),
                         PromptIcon::Question)) {
    return true;
  }
  return saveAsFile();
}

}  // namespace q7
