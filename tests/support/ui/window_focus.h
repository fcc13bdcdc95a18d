#pragma once
// Window activation for tests that depend on which widget has the focus.
#include <QTest>
#include <QWidget>

namespace q7::test {

// Shows `window`, makes it the active window and waits until it is.
inline bool activate(QWidget* window) {
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// Another window takes the focus and gives it back, as when the dealer turns
// to another program for a moment: `window` is active again afterwards.
inline bool workElsewhere(QWidget* window) {
  QWidget elsewhere;
  if (!activate(&elsewhere)) return false;
  elsewhere.hide();
  return activate(window);
}

}  // namespace q7::test
