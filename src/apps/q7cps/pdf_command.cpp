#include "pdf_command.h"

#include <QCoreApplication>
#include <iostream>

#include "foundation/app_state.h"
#include "foundation/error_report.h"
#include "foundation/setting_keys.h"
#include "foundation/shared_caption_rows.h"
#include "foundation/ui/qt_text.h"
#include "foundation/user_folders.h"
#include "shell/codeplug_print.h"
#include "shell/file_commands.h"
#include "shell/file_menu_caption_rows.h"
#include "shell/shipped_files.h"
#include "shell/startup.h"
#include "shell/ui/codeplug_pages.h"

namespace q7 {
namespace {

// Nothing is asked on a terminal; what would be told goes to standard error.
class TerminalPrompts : public Prompts {
 public:
  bool askYesNo(const std::string&, const std::string&, PromptIcon) override { return false; }
  void tell(const std::string&, const std::string& text, PromptIcon) override {
    std::cerr << "q7cps: " << text << "\n";
    told = true;
  }
  std::optional<std::string> openFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> saveFileName(const std::string&, const std::string&,
                                          const std::string&) override {
    return std::nullopt;
  }
  bool told = false;
};

class NoStatusBar : public StatusPanels {
 public:
  void setPanelText(int, const std::string&) override {}
  std::string panelText(int) const override { return {}; }
};

// The settings the window would start with; the settings file is only read.
void prepareState(AppState& state) {
  state.useLocations(prepareFileLocations(QCoreApplication::applicationDirPath().toStdString()));
  state.settings = ProfileFile(state.settingsPath());
  state.settings.setBuiltIn(builtInSettings());
  state.settings.keepOnDisk();
  state.language = languageSetting(readSetting(state.settings, key::kLanguage));
  state.captions = CaptionTable(state.language);
}

}  // namespace

int writePdfFromTerminal(const QString& dataFile, const QString& pdfFile) {
  AppState state;
  prepareState(state);
  TerminalPrompts prompts;
  NoStatusBar status;
  FileCommands files(state, prompts, status);
  files.initTempArray();
  files.openFile(ss(dataFile));
  errorReporter().clear();
  if (prompts.told) return 1;
  if (!writePdf(imageDocument(state, state.image, ss(dataFile)), pdfFile)) {
    std::cerr << "q7cps: " << state.caption(row::kPdfFailed) << ss(pdfFile) << "\n";
    return 1;
  }
  return 0;
}

}  // namespace q7
