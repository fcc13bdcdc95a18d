#include "shell/language_choice.h"

#include <string>

#include "foundation/error_report.h"
#include "foundation/setting_keys.h"
#include "foundation/shared_caption_rows.h"
#include "shell/shell_caption_rows.h"

namespace q7 {

bool swiLangFace(AppState& state, Prompts& prompts, int language) {
  if (language == state.language) return false;
  bool restart = false;
  guard("mdifrmMain->SwiLangFace", [&] {
    state.language = language;
    writeSetting(state.settings, key::kLanguage, std::to_string(language));
    prompts.tell(state.caption(row::kRestartTitle), state.caption(row::kRestartNotice),
                 PromptIcon::Question);
    restart = true;
  });
  return restart;
}

std::filesystem::path helpDocument(const std::filesystem::path& programFolder, int language) {
  static const char* const names[] = {"ChsHelp.html", "ChtHelp.html", "EngHelp.html"};
  return programFolder / names[normalizeLanguage(language) - 1];
}

bool confirmExit(AppState& state, Prompts& prompts) {
  if (!state.quitWithoutAsking &&
      !prompts.askYesNo(state.caption(row::kNotice), state.caption(row::kExitQuestion),
                        PromptIcon::Question)) {
    return false;
  }
  state.closing = true;
  return true;
}

}  // namespace q7
