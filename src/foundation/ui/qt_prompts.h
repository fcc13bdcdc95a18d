#pragma once
// Message boxes and file dialogs on screen, over a parent window.
#include <QPointer>
#include <QWidget>

#include "foundation/prompts.h"

namespace q7 {

class QtPrompts : public Prompts {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  bool askYesNo(const std::string& title, const std::string& text, PromptIcon icon) override;
  bool askOkCancel(const std::string& title, const std::string& text, PromptIcon icon) override;
  void tell(const std::string& title, const std::string& text, PromptIcon icon) override;
  std::optional<std::string> openFileName(const std::string& filter,
                                          const std::string& initialDir) override;
  std::optional<std::string> saveFileName(const std::string& filter, const std::string& initialDir,
                                          const std::string& defaultExtension) override;

 private:
  QPointer<QWidget> parent_;
};

// "Data File(*.dat)|*.dat" -> "Data File(*.dat) (*.dat)", the form Qt's dialogs
// take; several patterns "*.txt;*.ini" become "*.txt *.ini".
QString qtFileFilter(const std::string& filter);

}  // namespace q7
