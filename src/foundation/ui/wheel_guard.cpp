#include "foundation/ui/wheel_guard.h"

#include <QComboBox>
#include <QEvent>

namespace q7 {
namespace {

constexpr char kGuarded[] = "q7WheelGuarded";

class WheelGuard : public QObject {
 public:
  WheelGuard(QComboBox* box, WheelTurns turns) : QObject(box), turns_(turns) {}

 protected:
  // An ignored wheel event that a filter has taken goes on to the parent.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    if (turns_ == WheelTurns::WhileFocused && static_cast<QWidget*>(watched)->hasFocus())
      return false;
    event->ignore();
    return true;
  }

 private:
  WheelTurns turns_;
};

}  // namespace

void guardWheel(QComboBox* box, WheelTurns turns) {
  if (!box || isWheelGuarded(box)) return;
  box->setFocusPolicy(Qt::StrongFocus);
  box->installEventFilter(new WheelGuard(box, turns));
  box->setProperty(kGuarded, true);
}

bool isWheelGuarded(const QComboBox* box) {
  return box && box->property(kGuarded).toBool();
}

}  // namespace q7
