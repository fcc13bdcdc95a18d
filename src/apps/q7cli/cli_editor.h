#pragma once
// A data file opened in the desktop program's editor, without a display: the
// settings file and template beside the program (their built-in copies when
// either is missing), the file loaded as Open loads it, and the display
// refresh run over it with every correction it makes to the image. Without
// a data file the editor holds the template, as after File -> New.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "foundation/app_state.h"
#include "shell/codeplug_editor.h"

namespace q7::cli {

class CliEditor {
 public:
  // `dataFile` may be "-", standard input. Throws std::runtime_error with a
  // one-line reason for a file that cannot be opened (missing, not a regular
  // file, unreadable, shorter than a data file).
  CliEditor(const std::string& dataFile, int language);
  // The template opened as File -> New opens it.
  explicit CliEditor(int language);
  ~CliEditor();
  CliEditor(const CliEditor&) = delete;
  CliEditor& operator=(const CliEditor&) = delete;

  AppState& state() { return state_; }
  const AppState& state() const { return state_; }
  CodeplugEditor& editor() { return *editor_; }
  // The data file's bytes as they were read, before any correction.
  std::span<const std::uint8_t> fileBytes() const { return fileBytes_; }

 private:
  void open(int language, std::span<const std::uint8_t> bytes);
  void useSettings();
  void loadTemplate();

  AppState state_;
  std::vector<std::uint8_t> fileBytes_;
  std::filesystem::path builtInSettingsCopy_;  // removed again at the end
  std::unique_ptr<CodeplugEditor> editor_;
};

}  // namespace q7::cli
