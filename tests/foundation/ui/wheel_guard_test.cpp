// A guarded drop-down list takes the wheel only while it has the focus; else
// the wheel scrolls what lies around it.
#include "foundation/ui/wheel_guard.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "support/ui/wheel.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

// A tall page in a short scroll area, a list near its top.
struct ScrollingPage {
  ScrollingPage() {
    auto* page = new QWidget;
    auto* rows = new QVBoxLayout(page);
    box = new QComboBox(page);
    box->addItems({"a", "b", "c"});
    other = new QLineEdit(page);
    rows->addWidget(box);
    rows->addWidget(other);
    rows->addSpacing(2000);
    area.setWidget(page);
    area.setWidgetResizable(true);
    area.resize(300, 200);
    EXPECT_TRUE(test::activate(&area));
  }
  int scrolled() const { return area.verticalScrollBar()->value(); }

  QScrollArea area;
  QComboBox* box = nullptr;
  QLineEdit* other = nullptr;
};

TEST(WheelGuard, AnUnfocusedListPassesTheWheelToThePageAndKeepsItsValue) {
  ScrollingPage page;
  guardWheel(page.box);
  page.other->setFocus();
  EXPECT_TRUE(test::isPartOf(test::turnWheel(page.box), page.box));
  EXPECT_EQ(page.box->currentIndex(), 0);
  EXPECT_GT(page.scrolled(), 0) << "the page scrolls instead";
  EXPECT_FALSE(page.box->hasFocus()) << "the wheel gives no focus";
}

TEST(WheelGuard, AFocusedListTurnsWithTheWheel) {
  ScrollingPage page;
  guardWheel(page.box);
  page.box->setFocus();
  ASSERT_TRUE(page.box->hasFocus());
  test::turnWheel(page.box);
  EXPECT_EQ(page.box->currentIndex(), 1);
  EXPECT_EQ(page.scrolled(), 0);
}

TEST(WheelGuard, AListThatNeverTakesTheWheelPassesItOnEvenWithTheFocus) {
  ScrollingPage page;
  guardWheel(page.box, WheelTurns::Never);
  page.box->setFocus();
  ASSERT_TRUE(page.box->hasFocus());
  test::turnWheel(page.box);
  EXPECT_EQ(page.box->currentIndex(), 0);
  EXPECT_GT(page.scrolled(), 0);
}

TEST(WheelGuard, AnEditableListIsGuardedOverItsTextToo) {
  ScrollingPage page;
  page.box->setEditable(true);
  guardWheel(page.box);
  page.other->setFocus();
  EXPECT_EQ(test::turnWheel(page.box), page.box->lineEdit());
  EXPECT_EQ(page.box->currentText(), "a");
  EXPECT_GT(page.scrolled(), 0);
}

TEST(WheelGuard, WithoutTheGuardTheWheelWouldChangeTheList) {
  ScrollingPage page;  // the fault the guard mends, shown on a plain list
  page.other->setFocus();
  test::turnWheel(page.box);
  EXPECT_EQ(page.box->currentIndex(), 1);
  EXPECT_FALSE(isWheelGuarded(page.box));
  guardWheel(page.box);
  guardWheel(page.box);
  EXPECT_TRUE(isWheelGuarded(page.box));
  EXPECT_EQ(page.box->focusPolicy(), Qt::StrongFocus);
}

}  // namespace
}  // namespace q7
