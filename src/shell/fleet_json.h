#pragma once
// Fleet files: a whole image as JSON, every channel and every option by its
// name with the text the windows show, so that a dealer can keep one radio's
// set-up as text, change it and build data files from it.
//
// Import starts from the template as New does, sets the model and band,
// opens the editor over it and then sets each value as the user would (the
// option lists, boxes and check boxes, the information lines, the two-tone
// cells, the volume steps and the channel grid), and stores the channels as
// Save does. Bytes no named value gives back (bytes no control covers, a
// list the file's bytes fill otherwise, values the windows cannot type such
// as a frequency off the channel step) travel in "unmapped": each entry holds
// the byte as the file holds it and as the named values leave it. The file's
// byte goes into the template before the values are set; after the store it
// is put back whole wherever no value the dealer changed covers it (a value
// whose text differs from what the exported image shows). A changed channel
// or information line owns its bytes whole; a byte no such value covers takes
// the file's bits wherever the named values left them as at export.
#include <string>
#include <vector>

#include "foundation/app_state.h"
#include "shell/codeplug_editor.h"

namespace q7 {

// The fleet file of the image `editor` shows; its channels are stored into
// the image first, as Save stores them. `state` is the editor's state; its
// language should be English, the language fleet files are written in.
std::string exportFleet(CodeplugEditor& editor, AppState& state);

struct FleetImport {
  std::vector<std::string> faults;    // one line each: "channel 3 rx: 999 is outside the band ..."
  std::vector<std::string> warnings;  // values carried as the file holds them, one line each
  CodeplugImage image;                // the built image, when there is no fault
};

// Builds an image from a fleet file over the template and settings of `state`.
FleetImport importFleet(const std::string& text, const AppState& state);

}  // namespace q7
