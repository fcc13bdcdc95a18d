#pragma once
// A test double for the user's answers: questions are answered from queues and
// everything asked or told is recorded for the test to check.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "foundation/prompts.h"

namespace q7::test {

class ScriptedPrompts : public Prompts {
 public:
  struct Shown {
    std::string title;
    std::string text;
    PromptIcon icon;
  };

  std::deque<bool> answers;                          // askYesNo; No when empty
  std::deque<std::optional<std::string>> fileNames;  // dialogs; cancel when empty
  std::vector<Shown> questions;
  std::vector<Shown> messages;
  std::vector<std::string> dialogDirs;

  bool askYesNo(const std::string& title, const std::string& text, PromptIcon icon) override {
    questions.push_back({title, text, icon});
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void tell(const std::string& title, const std::string& text, PromptIcon icon) override {
    messages.push_back({title, text, icon});
  }
  std::optional<std::string> openFileName(const std::string&, const std::string& dir) override {
    return nextFile(dir);
  }
  std::optional<std::string> saveFileName(const std::string&, const std::string& dir,
                                          const std::string&) override {
    return nextFile(dir);
  }

 private:
  std::optional<std::string> nextFile(const std::string& dir) {
    dialogDirs.push_back(dir);
    if (fileNames.empty()) return std::nullopt;
    auto name = fileNames.front();
    fileNames.pop_front();
    return name;
  }
};

}  // namespace q7::test
