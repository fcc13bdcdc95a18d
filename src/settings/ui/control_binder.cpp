#include "settings/ui/control_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "foundation/error_report.h"
#include "foundation/ui/qt_text.h"
#include "foundation/ui/wheel_guard.h"

namespace q7 {

namespace {

bool isListBox(const std::string& control) {
  return control.rfind("list", 0) == 0;
}

QStringList itemTexts(const std::vector<std::string>& items) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) texts << qs(item);
  return texts;
}

void showList(QWidget* widget, const ControlState& state, bool itemsChanged) {
  if (auto* box = qobject_cast<QComboBox*>(widget)) {
    if (itemsChanged) {
      box->clear();
      box->addItems(itemTexts(state.items));
    }
    box->setCurrentIndex(state.selected);
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    if (itemsChanged) {
      list->clear();
      list->addItems(itemTexts(state.items));
    }
    list->setCurrentRow(state.selected);
  }
}

}  // namespace

ControlBinder::ControlBinder(OptionPages& pages, QObject* parent) : QObject(parent), pages_(pages) {
  pages_.setListener([this](const std::string& control) {
    sync(control);
    for (const auto& observer : observers_) observer(control);
  });
}

ControlBinder::~ControlBinder() {
  pages_.setListener(nullptr);
}

QWidget* ControlBinder::widget(const std::string& control, QWidget* parent) {
  const auto found = widgets_.find(control);
  if (found != widgets_.end()) return found->second;
  QWidget* made = makeWidget(control, parent);
  made->setObjectName(qs(control));
  widgets_.emplace(control, made);
  connect(made, &QObject::destroyed, this, [this, control] {
    widgets_.erase(control);
    shownItems_.erase(control);
  });
  sync(control);
  return made;
}

QString ControlBinder::labelText(const std::string& control) const {
  const ControlState& state = pages_.control(control);
  return qs(!state.label.empty() || state.labelRow < 0 ? state.label
                                                       : pages_.captions()(state.labelRow));
}

void ControlBinder::setButtonAction(const std::string& control, std::function<void()> action) {
  buttonActions_[control] = std::move(action);
}

void ControlBinder::addObserver(std::function<void(const std::string& control)> observer) {
  observers_.push_back(std::move(observer));
}

QWidget* ControlBinder::makeWidget(const std::string& control, QWidget* parent) {
  switch (pages_.control(control).kind) {
    case ControlKind::List:
      if (isListBox(control)) {
        auto* list = new QListWidget(parent);
        connect(list, &QListWidget::currentRowChanged, this, [this, control](int row) {
          userAction(control, "_Click", [&] { pages_.choose(control, row); });
        });
        return list;
      } else {
        auto* box = new QComboBox(parent);
        guardWheel(box);
        connect(box, &QComboBox::activated, this, [this, control](int position) {
          userAction(control, "_Click", [&] { pages_.choose(control, position); });
        });
        return box;
      }
    case ControlKind::Check: {
      auto* box = new QCheckBox(labelText(control), parent);
      connect(box, &QCheckBox::clicked, this, [this, control](bool checked) {
        userAction(control, "_Click", [&] { pages_.click(control, checked); });
      });
      return box;
    }
    case ControlKind::Text: {
      // No length limit on the box: it would cut a paste before the handler
      // filters it. The handler cuts to what the radio stores, and the box
      // shows its result.
      auto* edit = new QLineEdit(parent);
      connect(edit, &QLineEdit::textEdited, this, [this, control](const QString& text) {
        userAction(control, "_Change", [&] { pages_.type(control, ss(text)); });
      });
      return edit;
    }
    case ControlKind::Button:
      break;
  }
  const ControlState& state = pages_.control(control);
  auto* button = new QPushButton(state.text.empty() ? labelText(control) : qs(state.text), parent);
  connect(button, &QPushButton::clicked, this, [this, control] {
    userAction(control, "_Click", [&] {
      const auto action = buttonActions_.find(control);
      if (action != buttonActions_.end())
        action->second();
      else
        pages_.press(control);
    });
  });
  return button;
}

void ControlBinder::userAction(const std::string& control, const char* event,
                               const std::function<void()>& act) {
  guard("frmChMem->" + control + event, act);
  sync(control);  // a refused action (disabled, no item) leaves the widget as the model has it
}

void ControlBinder::sync(const std::string& control) {
  const auto found = widgets_.find(control);
  if (found == widgets_.end()) return;
  QWidget* widget = found->second;
  const ControlState& state = pages_.control(control);
  const QSignalBlocker blocker(widget);
  std::vector<std::string>& shown = shownItems_[control];
  const bool itemsChanged = shown != state.items;
  if (itemsChanged) shown = state.items;
  showList(widget, state, itemsChanged);
  if (auto* box = qobject_cast<QCheckBox*>(widget)) box->setChecked(state.checked);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != qs(state.text)) edit->setText(qs(state.text));
  }
  widget->setEnabled(state.enabled);
  widget->setToolTip(qs(state.toolTip));
}

}  // namespace q7
