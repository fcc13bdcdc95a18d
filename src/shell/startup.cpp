#include "shell/startup.h"

#include <cstdlib>

#include "foundation/bounded_file.h"
#include "foundation/error_report.h"
#include "foundation/setting_keys.h"
#include "foundation/shared_caption_rows.h"
#include "shell/shipped_files.h"

namespace q7 {
namespace {

constexpr long kFullImage = kDataFileSize - 1;

long hexSetting(const ProfileFile& file, const SettingKey& k, std::string& text) {
  text = readSetting(file, k);
  long value = 0;
  if (!parseHex(text, value)) parseHex(k.fallback, value);
  return value;
}

}  // namespace

int languageForLocale(int localeId) {
  switch (localeId) {
    case kLocaleTraditionalChinese:
      return kTraditionalChinese;
    case kLocaleSimplifiedChinese:
      return kSimplifiedChinese;
    default:
      return kEnglish;
  }
}

int languageSetting(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  const bool number = !text.empty() && end == text.c_str() + text.size();
  if (number && (value == 1.0 || value == 2.0)) return static_cast<int>(value);
  return kEnglish;
}

Startup::Startup(AppState& state, StartupHost& host, FileCommands& files, StatusPanels& status)
    : state_(state), host_(host), files_(files), status_(status) {}

StartupOutcome Startup::run() {
  state_.settings = ProfileFile(state_.settingsPath());
  state_.settings.setBuiltIn(builtInSettings());
  guardDamagedSettings();
  if (!firstRunCheck()) return StartupOutcome::CloseAtOnce;
  getSysLang();
  readLanguage();
  state_.captions = CaptionTable(state_.language);
  host_.buildCharacterTable();
  checkPort();
  sizeImages();
  readLooks();
  readRanges();
  state_.ranges.fillStart = 0;
  state_.ranges.fillEnd = state_.ranges.tableMax;
  state_.currentDataPath = state_.defaultDataPath;
  status_.setPanelText(kFilePanel,
                       state_.caption(row::kFileName) + state_.currentDataPath.string());
  host_.loadVoiceSequence();
  host_.prepareCommandPair();
  files_.generateDatFolder();
  host_.setSoftFace();
  host_.initChannelWindow();
  host_.initMemoryGrid();
  host_.showChannelWindow();
  state_.lockState = readSetting(state_.settings, key::kChannelLock);
  host_.applyChannelLock(state_.locked());
  return StartupOutcome::Started;
}

// A settings file that cannot be read whole, or is no regular file of a
// sensible size, is reported once and left as it is; the program runs on the
// built-in copy for whatever it cannot read.
void Startup::guardDamagedSettings() {
  using Health = ProfileFile::Health;
  const Health health = state_.settings.health();
  if (health == Health::Missing || health == Health::Sound) return;
  state_.settings.keepOnDisk();
  const int number = refusedFile(state_.settings.path()) ? err::kPathAccess
                     : health == Health::Unreadable      ? err::kPermission
                                                         : err::kInvalidFileFormat;
  errorReporter().report("mdifrmMain->MDIForm_Load", {number, state_.settings.path().string()});
}

// "FirRun" 2 (or absent) in an existing file: the file is not prepared yet;
// mark it for language detection and end this start. A missing settings file
// is laid down from the built-in copy, which starts as a first start.
bool Startup::firstRunCheck() {
  if (!state_.settings.exists()) state_.settings.writeWholeFile(builtInSettings());
  if (readSettingInt(state_.settings, key::kFirRunCheck) != 2) return true;
  writeSetting(state_.settings, key::kFirRunCheck, "1");
  state_.quitWithoutAsking = true;
  return false;
}

void Startup::getSysLang() {
  guard("mdifrmMain->GetSysLang", [&] {
    if (readSettingInt(state_.settings, key::kFirRunDetect) == 0) return;
    writeSetting(state_.settings, key::kFirRunDetect, "0");
    const int language = languageForLocale(host_.systemLocaleId());
    writeSetting(state_.settings, key::kLanguage, std::to_string(language));
    host_.autoSetPort();
  });
}

void Startup::readLanguage() {
  state_.language = languageSetting(readSetting(state_.settings, key::kLanguage));
  host_.setLanguageChecks(state_.language);
}

void Startup::checkPort() {
  const int port = readSettingInt(state_.settings, key::kCom);
  state_.port = port >= 1 && port <= 16 ? port : 1;
  if (!host_.verdictCom(state_.port)) host_.autoSetPort();
}

// Every file operation needs indices 0..1039, whatever "DatNum" says.
void Startup::sizeImages() {
  const long highest = std::max<long>(readSettingInt(state_.settings, key::kDatNum), kFullImage);
  state_.image = CodeplugImage(static_cast<std::size_t>(highest));
  state_.templateImage = CodeplugImage(static_cast<std::size_t>(highest));
}

void Startup::readLooks() {
  const std::string english = readSetting(state_.settings, key::kEngFont);
  const std::string chinese = readSetting(state_.settings, key::kChsFont);
  state_.fontFace = state_.language == kSimplifiedChinese ? chinese : english;
  state_.overColor = readSettingColour(state_.settings, key::kOverColor);
  state_.defColor = readSettingColour(state_.settings, key::kDefColor);
}

void Startup::readRanges() {
  MemoryRanges& r = state_.ranges;
  r.tableMax = hexSetting(state_.settings, key::kTableMaxAddr, r.tableMaxText);
  r.readStart = hexSetting(state_.settings, key::kReadStartAddr, r.readStartText);
  r.readEnd = hexSetting(state_.settings, key::kReadEndAddr, r.readEndText);
  r.writeStart = hexSetting(state_.settings, key::kWriteStartAddr, r.writeStartText);
  r.writeEnd = hexSetting(state_.settings, key::kWriteEndAddr, r.writeEndText);
  host_.setAddressFields(r);
}

}  // namespace q7
