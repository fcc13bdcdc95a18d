#pragma once
// A data file opened as the desktop program opens it, over the shipped
// settings file and template: the template into both images, the channel
// window's set-up, the file's bytes into the image (after `change`, when
// given, edits them) and the display refresh.
#include <algorithm>
#include <filesystem>
#include <functional>

#include "foundation/error_report.h"
#include "shell/codeplug_editor.h"

namespace q7::test {

struct OpenedFile {
  // The program as start-up leaves it, with no file opened yet.
  explicit OpenedFile(int language) : state(startState(language)) {
    const std::filesystem::path data(Q7_DATA_DIR);
    const auto templ = readImageFile(data / "dhcpqec.def", kDataFileSize);
    std::copy(templ.begin(), templ.end(), state.templateImage.bytes().begin());
    state.image.loadFileLayout(templ);
    editor.initialise();
  }
  OpenedFile(const std::filesystem::path& file, int language,
             const std::function<void(CodeplugImage&)>& change = {})
      : OpenedFile(language) {
    open(file, change);
  }
  // Open of `file`, as after another Open.
  void open(const std::filesystem::path& file,
            const std::function<void(CodeplugImage&)>& change = {}) {
    state.image.loadFileLayout(readImageFile(file, kDataFileSize));
    if (change) change(state.image);
    opened = state.image;
    editor.showImage();
  }
  // The settings and captions are there before the editor is made, as in the
  // programs: the option pages take their texts when they are built.
  static AppState startState(int language) {
    AppState started;
    started.settings = ProfileFile(std::filesystem::path(Q7_DATA_DIR) / "corvane.def");
    started.language = language;
    started.captions = CaptionTable(language);
    return started;
  }
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;

  AppState state;
  CodeplugEditor editor{state};
  CodeplugImage opened;  // the file's image before the refresh
};

}  // namespace q7::test
