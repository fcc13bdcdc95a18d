#pragma once
// Everything the program asks the user goes through this interface, so the
// logic runs and is tested without a display: message boxes and file dialogs.
#include <optional>
#include <string>

namespace q7 {

enum class PromptIcon { None, Question, Critical, Exclamation, Information };

class Prompts {
 public:
  virtual ~Prompts() = default;
  // Yes/No question; true for Yes.
  virtual bool askYesNo(const std::string& title, const std::string& text, PromptIcon icon) = 0;
  // OK/Cancel question; true for OK. Prompts without buttons of their own
  // take it as a Yes/No question.
  virtual bool askOkCancel(const std::string& title, const std::string& text, PromptIcon icon) {
    return askYesNo(title, text, icon);
  }
  // A message with only an OK button.
  virtual void tell(const std::string& title, const std::string& text, PromptIcon icon) = 0;
  // Open-file dialog; nullopt when cancelled. `filter` as "Data File(*.dat)|*.dat".
  virtual std::optional<std::string> openFileName(const std::string& filter,
                                                  const std::string& initialDir) = 0;
  // Save-file dialog; nullopt when cancelled.
  virtual std::optional<std::string> saveFileName(const std::string& filter,
                                                  const std::string& initialDir,
                                                  const std::string& defaultExtension) = 0;
};

}  // namespace q7
