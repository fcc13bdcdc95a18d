#pragma once
// Answers a modal window the way a user does: once a modal window is up and
// active and holds the keyboard focus, `act` runs on it once (typically a key press or a mouse
// click). Needed because showing a modal window blocks the call that opened it. The answer stops
// waiting when it goes out of scope.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace q7::test {

class ModalAnswer {
 public:
  explicit ModalAnswer(std::function<void(QWidget*)> act) : act_(std::move(act)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answerWhenShown(); });
    timer_.start();
  }
  bool answered() const { return answered_; }

 private:
  void answerWhenShown() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    timer_.stop();
    modal->activateWindow();
    if (!QTest::qWaitForWindowActive(modal) ||
        !QTest::qWaitFor([modal] { return hasFocus(modal); }))
      return timer_.start();
    answered_ = true;
    act_(modal);
  }

  // Activation and the focus arrive one after the other; keys go to the focus.
  static bool hasFocus(QWidget* modal) {
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == modal || modal->isAncestorOf(focus));
  }

  std::function<void(QWidget*)> act_;
  QTimer timer_;
  bool answered_ = false;
};

}  // namespace q7::test
