// The memory view's grid: rows, change marks, edit commit, tooltip, partial fill.
#include "comm/ui/memory_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QHoverEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QTableWidget>
#include <QTest>

#include "comm/ui/part_fill_dialog.h"
#include "foundation/error_report.h"
#include "foundation/ui/wheel_guard.h"
#include "support/scripted_prompts.h"
#include "support/shell_fakes.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

class MemoryViewTest : public ::testing::Test {
 protected:
  MemoryViewTest() {
    state.captions = CaptionTable(kEnglish);
    state.ranges.tableMax = 0x3FF;
    state.ranges.fillStart = 0;
    state.ranges.fillEnd = 0x3FF;
    view.setGridMemDat();
  }
  QTableWidgetItem* cell(long address) const {
    return view.grid()->item(static_cast<int>(address / 16), static_cast<int>(address % 16));
  }
  int redCells() const {
    int red = 0;
    for (long a = 0; a < 1024; ++a) red += cell(a)->foreground().color() == Qt::red;
    return red;
  }
  void showView() {
    view.resize(900, 600);
    ASSERT_TRUE(test::activate(&view));
  }
  QPoint centreOf(long address) const {
    QTableWidgetItem* item = cell(address);
    view.grid()->scrollToItem(item);
    return view.grid()->visualItemRect(item).center();
  }
  // The pointer moves over a cell: through the window system, as a plain
  // mouse move and as a hover, then the tooltip asks for its text.
  void hover(long address) {
    QWidget* viewport = view.grid()->viewport();
    const QPoint at = centreOf(address);
    QTest::mouseMove(viewport, at);
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QSpontaneKeyEvent::setSpontaneous(&move);
    QApplication::instance()->notify(viewport, &move);
    QHoverEvent hoverMove(QEvent::HoverMove, at, viewport->mapToGlobal(at), at + QPoint(1, 1));
    QApplication::sendEvent(viewport, &hoverMove);
    QHelpEvent tip(QEvent::ToolTip, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &tip);
    QCoreApplication::processEvents();
  }
  // Double-clicks a cell to edit it; the editor it opens.
  QLineEdit* openCell(long address) {
    const QPoint at = centreOf(address);
    QTest::mouseClick(view.grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view.grid()->viewport(), Qt::LeftButton, {}, at);
    return qobject_cast<QLineEdit*>(view.grid()->indexWidget(view.grid()->currentIndex()));
  }
  void typeInto(long address, const QString& text) {
    QLineEdit* editor = openCell(address);
    ASSERT_NE(editor, nullptr) << "no editor on " << address;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
  }

  AppState state;
  test::ScriptedPrompts prompts;
  test::RecordingViews views;
  MemoryView view{state, prompts, views};
};

TEST_F(MemoryViewTest, SixtyFourRowsLabelledByTheirFirstAddress) {
  EXPECT_EQ(view.grid()->rowCount(), 64);
  EXPECT_EQ(view.grid()->columnCount(), 16);
  EXPECT_EQ(view.grid()->verticalHeaderItem(63)->text(), "03F0H");
  EXPECT_EQ(view.grid()->horizontalHeaderItem(10)->text(), "A");
}

TEST_F(MemoryViewTest, OnlyBytesChangedSinceTheLastRefreshAreMarkedRed) {
  view.tableFreDat();
  view.tableFreDat();
  EXPECT_EQ(redCells(), 0);
  state.image[0x123] = 0x5C;
  view.tableFreDat();
  EXPECT_EQ(redCells(), 1);
  EXPECT_EQ(cell(0x123)->foreground().color(), Qt::red);
  EXPECT_EQ(cell(0x123)->text(), "5C");
  view.cmdSetDefCol_Click();
  EXPECT_EQ(redCells(), 0);
}

TEST_F(MemoryViewTest, ATypedCellIsCommittedAndAValueAbove255Refused) {
  showView();
  view.tableFreDat();
  typeInto(0x005, "1G");
  EXPECT_EQ(state.image[0x005], 0x10);
  state.image[0x004] = 0x33;
  typeInto(0x004, "123");
  EXPECT_NE(errorReporter().lines().back().find("frmMemDat->GridDataTemp"), std::string::npos);
  EXPECT_EQ(state.image[0x004], 0x33);
}

// Regression: the grid's change signal stored every cell into the image, and
// a tooltip or a colour is a change too; before the first refresh the cells
// are empty, so one hover zeroed the image.
TEST_F(MemoryViewTest, HoveringAnUnrefreshedGridLeavesTheImage) {
  for (std::size_t a = 0; a < 0x400; ++a) state.image[a] = static_cast<std::uint8_t>(a * 7 + 1);
  const CodeplugImage before = state.image;
  showView();
  QSignalSpy entered(view.grid(), &QTableWidget::cellEntered);
  for (long a : {0x000L, 0x011L, 0x123L, 0x3FFL}) hover(a);
  EXPECT_GT(entered.count(), 0) << "the pointer reached the cells";
  EXPECT_EQ(state.image, before);
  QTest::mouseClick(view.findChild<QPushButton*>("cmdSetDefCol"), Qt::LeftButton);
  EXPECT_EQ(state.image, before);
}

TEST_F(MemoryViewTest, HoverTooltipRefreshAndSetDefColorNeverStoreTheCells) {
  showView();
  view.tableFreDat();
  state.image[0x10] = 0x77;  // the grid still shows 00 here
  state.image[0x2A] = 0x5C;
  const CodeplugImage before = state.image;
  hover(0x020);
  hover(0x010);
  EXPECT_FALSE(cell(0x020)->toolTip().isEmpty()) << "the tooltip was made";
  EXPECT_EQ(state.image, before);
  QTest::mouseClick(view.findChild<QPushButton*>("cmdSetDefCol"), Qt::LeftButton);
  EXPECT_EQ(state.image, before);
  view.tableFreDat();
  EXPECT_EQ(cell(0x010)->text(), "77");
  hover(0x011);
  view.cmdSetDefCol_Click();
  EXPECT_EQ(state.image, before);
}

TEST_F(MemoryViewTest, TypingIntoACellChangesExactlyThatByte) {
  showView();
  view.tableFreDat();
  state.image[0x30] = 0x99;  // stale in the grid: must stay as the image has it
  CodeplugImage expected = state.image;
  expected[0x05] = 0xA7;
  typeInto(0x005, "a7");
  EXPECT_EQ(state.image, expected);
  EXPECT_EQ(cell(0x005)->text(), "a7");
}

TEST_F(MemoryViewTest, ACellOpenedAndLeftWithoutTypingIsNotStored) {
  showView();
  view.tableFreDat();
  state.image[0x05] = 0x42;  // the cell still shows 00
  const CodeplugImage before = state.image;
  QLineEdit* editor = openCell(0x005);
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(state.image, before);
}

TEST_F(MemoryViewTest, HoverAndRefreshWhileTypingStoreNothingUntilTheEditEnds) {
  showView();
  view.tableFreDat();
  QLineEdit* editor = openCell(0x005);
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "B");
  state.image[0x40] = 0x12;
  const CodeplugImage before = state.image;
  hover(0x006);
  view.tableFreDat();  // the automatic refresh marks 0x40
  EXPECT_EQ(state.image, before);
  ASSERT_EQ(view.grid()->indexWidget(view.grid()->currentIndex()), editor) << "still editing";
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(state.image[0x05], 0x0B);
}

TEST_F(MemoryViewTest, TheTooltipListsTheBitsAndTheDecimalValue) {
  state.image[0] = 0x92;
  view.tableFreDat();
  const QString tip = view.cellTipHint(1, 1);
  EXPECT_TRUE(tip.contains("B7:1 B6:0 B5:0 B4:1   B3:0 B2:0 B1:1 B0:0 ")) << tip.toStdString();
  EXPECT_TRUE(tip.contains("十进制146"));
  EXPECT_TRUE(tip.startsWith("地址为: 0x0000"));
}

TEST_F(MemoryViewTest, FillWritesTheClampedValueAndShowsIt) {
  view.tableFreDat();
  PartFillDialog dialog(state, prompts, view);
  dialog.baseList()->setCurrentIndex(1);
  dialog.fillDataField()->setText("300");
  dialog.startField()->setText("10");
  dialog.endField()->setText("13");
  dialog.cmdFillData_Click();
  for (long a = 0x10; a <= 0x13; ++a) {
    EXPECT_EQ(state.image[static_cast<std::size_t>(a)], 255) << a;
    EXPECT_EQ(cell(a)->text(), "FF");
  }
  EXPECT_EQ(state.image[0x14], 0);
  EXPECT_EQ(state.ranges.fillStart, 0x10);
  EXPECT_EQ(state.ranges.fillEnd, 0x13);
  EXPECT_TRUE(isWheelGuarded(dialog.baseList()));
}

// The fill stores its range only: the other cells are no edit of the user's.
TEST_F(MemoryViewTest, FillOnAnUnrefreshedGridStoresOnlyItsRange) {
  for (std::size_t a = 0; a < 0x400; ++a) state.image[a] = 0x3C;
  PartFillDialog dialog(state, prompts, view);
  dialog.fillDataField()->setText("A5");
  dialog.startField()->setText("20");
  dialog.endField()->setText("21");
  dialog.cmdFillData_Click();
  CodeplugImage expected;
  for (std::size_t a = 0; a < 0x400; ++a) expected[a] = a == 0x20 || a == 0x21 ? 0xA5 : 0x3C;
  EXPECT_EQ(state.image, expected);
}

// A fill address that is not hexadecimal is reported; the message about the
// fill value would name the wrong field.
TEST_F(MemoryViewTest, ANonHexFillAddressIsReportedNotBlamedOnTheValue) {
  errorReporter().clear();
  const CodeplugImage before = state.image;
  PartFillDialog dialog(state, prompts, view);
  dialog.show();
  dialog.startField()->clear();
  QTest::keyClicks(dialog.startField(), "1G");
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdFillData"), Qt::LeftButton);
  EXPECT_EQ(state.image, before);
  EXPECT_TRUE(prompts.messages.empty());
  ASSERT_FALSE(errorReporter().lines().empty());
  EXPECT_NE(errorReporter().lines().back().find("frmPartFill->cmdFillData_Click"),
            std::string::npos);
}

TEST_F(MemoryViewTest, ANegativeOrNonNumericFillValueIsRefusedWithAMessage) {
  view.tableFreDat();
  const CodeplugImage before = state.image;
  PartFillDialog dialog(state, prompts, view);
  dialog.baseList()->setCurrentIndex(1);
  for (const char* text : {"-1", "abc"}) {
    dialog.fillDataField()->setText(text);
    dialog.cmdFillData_Click();
  }
  EXPECT_EQ(state.image, before);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].text, "The fill value must be a number of 0 or more!");
}

TEST_F(MemoryViewTest, FillGridEncodesTheChannelsBeforeRefreshing) {
  state.image[0x20] = 0xAB;
  view.cmdFillGrid_Click();
  EXPECT_EQ(views.count("store"), 1);
  EXPECT_EQ(cell(0x20)->text(), "AB");
}

// The grid shows the "Addr" corner, whole row labels and all sixteen columns.
TEST_F(MemoryViewTest, HeaderLabelsAndAllSixteenColumnsAreShownWhole) {
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  const auto* corner = view.grid()->findChild<QLabel*>("lblAddrCorner");
  ASSERT_NE(corner, nullptr);
  EXPECT_EQ(corner->text(), "Addr");
  EXPECT_TRUE(corner->isVisible());
  // On screen: the label has room for its text inside the corner.
  const QSize text = corner->fontMetrics().size(0, "Addr");
  const QRect room = corner->visibleRegion().boundingRect();
  EXPECT_GE(room.width(), text.width());
  EXPECT_GE(room.height(), text.height());
  const QFontMetrics metrics(view.grid()->verticalHeader()->font());
  EXPECT_LT(metrics.horizontalAdvance("03F0H"), view.grid()->verticalHeader()->width());
  const QRect viewport = view.grid()->viewport()->rect();
  EXPECT_TRUE(viewport.contains(view.grid()->visualItemRect(cell(0x0F))));
  EXPECT_EQ(view.grid()->verticalHeaderItem(0x3F)->text(), "03F0H");
}

}  // namespace
}  // namespace q7
