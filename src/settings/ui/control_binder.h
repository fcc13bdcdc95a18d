#pragma once
// Binds the option model's controls to widgets: one widget per control, named
// after it, showing exactly the model's state (items, selection, check, text,
// enabled, tool tip) and passing the user's actions back to the model. The
// binder is the model's listener, so whatever a handler changes shows at once.
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "settings/option_pages.h"

class QWidget;

namespace q7 {

class ControlBinder : public QObject {
  Q_OBJECT
 public:
  ControlBinder(OptionPages& pages, QObject* parent = nullptr);
  ~ControlBinder() override;

  OptionPages& pages() { return pages_; }

  // The control's widget, made on the first call: a drop-down list, a list box
  // (names beginning with "list"), a check box, a text box or a button.
  QWidget* widget(const std::string& control, QWidget* parent);
  // The text of the control's label: its own label, else its caption row.
  QString labelText(const std::string& control) const;
  // A button whose work is a window of its own rather than the model's handler.
  void setButtonAction(const std::string& control, std::function<void()> action);
  // Told of every control the model reports, after its widget shows it: for
  // views that draw controls themselves (the two-tone grids).
  void addObserver(std::function<void(const std::string& control)> observer);

 private:
  QWidget* makeWidget(const std::string& control, QWidget* parent);
  void sync(const std::string& control);
  void userAction(const std::string& control, const char* event, const std::function<void()>& act);

  OptionPages& pages_;
  std::map<std::string, QWidget*> widgets_;
  std::map<std::string, std::vector<std::string>> shownItems_;
  std::map<std::string, std::function<void()>> buttonActions_;
  std::vector<std::function<void(const std::string&)>> observers_;
};

}  // namespace q7
