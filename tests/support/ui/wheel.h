#pragma once
// The mouse wheel as the window system turns it: a spontaneous wheel event at
// a point of a shown widget, delivered to the deepest child under the pointer
// and passed on to the parents while none of them accepts it.
#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace q7::test {

// Turns the wheel by `notches` (negative: towards the dealer, down a list or a
// page) over `at` of `over` (its centre by default). Returns the widget that
// received the event first.
inline QWidget* turnWheel(QWidget* over, int notches = -1, QPoint at = {}) {
  if (at.isNull()) at = over->rect().center();
  QWidget* window = over->window();
  const QPoint inWindow = over->mapTo(window, at);
  QWidget* target = window->childAt(inWindow);
  if (!target) target = window;
  QWheelEvent event(target->mapFrom(window, inWindow), over->mapToGlobal(at), QPoint(),
                    QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                    false);
  QSpontaneKeyEvent::setSpontaneous(&event);
  QApplication::instance()->notify(target, &event);
  return target;
}

// Whether `widget` is `owner` or lies inside it.
inline bool isPartOf(const QWidget* widget, const QWidget* owner) {
  return widget && (widget == owner || owner->isAncestorOf(widget));
}

}  // namespace q7::test
