#pragma once
// The open image as a document to print or to write as a PDF, in the
// interface language: the file name, model and band, the channel table with
// every grid column as the grid shows it, and every option page with each
// option's label, its name as the command line's report names it, and its
// value; then the information lines, the two-tone records and the volume
// steps. The document is HTML, for the windows to lay out on pages.
#include <filesystem>
#include <string>

#include "foundation/app_state.h"
#include "shell/codeplug_editor.h"

namespace q7 {

// `editor` must have shown the image (CodeplugEditor::showImage) first.
std::string codeplugDocument(const CodeplugEditor& editor, const AppState& state,
                             const std::filesystem::path& file);

// The same for `image`, shown first by an editor of its own over a copy of
// `state` (settings, captions and template), so the caller's state is untouched.
std::string imageDocument(const AppState& state, const CodeplugImage& image,
                          const std::filesystem::path& file);

}  // namespace q7
