#pragma once
// The program's start-up sequence, strictly in its order, over the parts of the
// program it prepares. Steps that belong to other windows and subsystems are
// calls on the host (the main window), which hands them on.
#include <string>

#include "foundation/app_state.h"
#include "shell/file_commands.h"

namespace q7 {

// Windows locale identifiers the language detection knows.
inline constexpr int kLocaleTraditionalChinese = 1028;
inline constexpr int kLocaleUsEnglish = 1033;
inline constexpr int kLocaleSimplifiedChinese = 2052;

// The language index a "Language" value stands for: 1 and 2 as they are, any
// other value (a number out of range or text) English.
int languageSetting(const std::string& text);

// Language index for a system locale identifier (anything unknown is English).
int languageForLocale(int localeId);

class StartupHost {
 public:
  virtual ~StartupHost() = default;
  virtual int systemLocaleId() = 0;
  // Tries every port and stores the first that opens.
  virtual void autoSetPort() = 0;
  // Opens and closes the port; false when it is not usable.
  virtual bool verdictCom(int port) = 0;
  virtual void setLanguageChecks(int language) = 0;
  virtual void buildCharacterTable() = 0;
  // Puts the range texts into the communication window's address fields.
  virtual void setAddressFields(const MemoryRanges& ranges) = 0;
  virtual void loadVoiceSequence() = 0;
  virtual void prepareCommandPair() = 0;
  virtual void setSoftFace() = 0;
  virtual void initChannelWindow() = 0;
  virtual void initMemoryGrid() = 0;
  virtual void showChannelWindow() = 0;
  // Check marks of both lock entries, then the lock itself.
  virtual void applyChannelLock(bool locked) = 0;
};

// Failed: a step of the sequence failed; the window still shows, with the
// error list, so that the user sees what went wrong.
enum class StartupOutcome { CloseAtOnce, Started, Failed };

class Startup {
 public:
  Startup(AppState& state, StartupHost& host, FileCommands& files, StatusPanels& status);
  StartupOutcome run();

  // Language detection at a first start: writes "FirRun" 0 and "Language".
  void getSysLang();

 private:
  void guardDamagedSettings();
  bool firstRunCheck();
  void readLanguage();
  void checkPort();
  void sizeImages();
  void readLooks();
  void readRanges();

  AppState& state_;
  StartupHost& host_;
  FileCommands& files_;
  StatusPanels& status_;
};

}  // namespace q7
