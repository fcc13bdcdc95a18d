#pragma once
// Language-dependent choices of the shell: switching the interface language
// (stored, announced, then the program restarts) and the help document.
#include <filesystem>

#include "foundation/app_state.h"
#include "foundation/prompts.h"

namespace q7 {

// Menu choice of language L. Returns true when the program must now restart:
// the choice was stored and announced. Choosing the current language does nothing.
bool swiLangFace(AppState& state, Prompts& prompts, int language);

// The help document of a language, beside the program.
std::filesystem::path helpDocument(const std::filesystem::path& programFolder, int language);

// The exit question; true when the program may close (and the closing flag is set).
bool confirmExit(AppState& state, Prompts& prompts);

}  // namespace q7
