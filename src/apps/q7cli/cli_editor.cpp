#include "cli_editor.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "cli_radio.h"
#include "foundation/error_report.h"
#include "foundation/file_kind.h"
#include "shell/file_commands.h"
#include "shell/shipped_files.h"

namespace q7::cli {
namespace {

struct OtherKind {
  FileKind kind;
  const char* what;
  const char* remedy;  // how to make a data file of it; %s stands for the file
};
const OtherKind kOtherKinds[] = {
    {FileKind::kFleetFile, "a fleet file (JSON)", "make one with: q7cli import %s -o OUT.dat"},
    {FileKind::kChannelTable, "a CSV channel table",
     "make one with: q7cli import --channels %s -o OUT.dat"},
    {FileKind::kText, "a text file",
     "data files come from q7cli read, q7cli import or the desktop program's Save"},
};

std::string notDataFileReason(const std::filesystem::path& path, FileKind kind) {
  const OtherKind& other = *std::find_if(std::begin(kOtherKinds), std::end(kOtherKinds),
                                         [&](const OtherKind& k) { return k.kind == kind; });
  std::string remedy = other.remedy;
  if (const std::size_t at = remedy.find("%s"); at != std::string::npos)
    remedy.replace(at, 2, path.string());
  return path.string() + ": " + other.what + ", not a data file; " + remedy;
}

std::string openReason(const std::filesystem::path& path, const Failure& failure) {
  if (const auto* other = dynamic_cast<const NotADataFile*>(&failure))
    return notDataFileReason(path, other->kind());
  switch (failure.number()) {
    case err::kFileNotFound:
      return path.string() + ": no such file";
    case err::kPathAccess:
      return path.string() + ": not a regular file (a folder, a device or a pipe)";
    case err::kInvalidFileFormat:
      return path.string() + ": not a data file (shorter than 1040 bytes)";
    default:
      return path.string() + ": cannot be read";
  }
}

// A settings file with the built-in text, in the temp folder.
std::filesystem::path writeBuiltInSettings() {
  std::string name = (std::filesystem::temp_directory_path() / "q7cli-settings-XXXXXX").string();
  const int fd = mkstemp(name.data());
  if (fd < 0) throw std::runtime_error("cannot lay down the built-in settings");
  ::close(fd);
  ProfileFile file(name);
  if (!file.writeWholeFile(builtInSettings()))
    throw std::runtime_error("cannot lay down the built-in settings");
  return name;
}

// Failures the refresh reported go to stderr; the refresh itself goes on past them.
void showReportedFailures() {
  for (const std::string& line : errorReporter().lines()) std::cerr << line << "\n";
  errorReporter().clear();
}

}  // namespace

CliEditor::CliEditor(const std::filesystem::path& dataFile, int language) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = readImageFile(dataFile, state_.image.size());
  } catch (const Failure& failure) {
    throw std::runtime_error(openReason(dataFile, failure));
  }
  open(language, bytes);
}

CliEditor::CliEditor(int language) {
  open(language, {});
}

void CliEditor::open(int language, std::span<const std::uint8_t> bytes) {
  state_.useLocations(programLocations());
  state_.language = language;
  state_.captions = CaptionTable(language);
  useSettings();
  loadTemplate();
  editor_ = std::make_unique<CodeplugEditor>(state_);
  editor_->initialise();
  if (!bytes.empty()) state_.image.loadFileLayout(bytes);
  editor_->showImage();
  showReportedFailures();
}

CliEditor::~CliEditor() {
  if (builtInSettingsCopy_.empty()) return;
  std::error_code ec;
  std::filesystem::remove(builtInSettingsCopy_, ec);
}

void CliEditor::useSettings() {
  state_.settings = ProfileFile(state_.settingsPath());
  if (state_.settings.exists()) return;
  builtInSettingsCopy_ = writeBuiltInSettings();
  state_.settings = ProfileFile(builtInSettingsCopy_);
}

void CliEditor::loadTemplate() {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = readImageFile(state_.programFolder / kTemplateFileName, state_.image.size());
  } catch (const Failure&) {
    const auto builtIn = builtInTemplate();
    bytes.assign(builtIn.begin(), builtIn.end());
  }
  std::copy(bytes.begin(), bytes.end(), state_.templateImage.bytes().begin());
  state_.image.loadFileLayout(bytes);
}

}  // namespace q7::cli
