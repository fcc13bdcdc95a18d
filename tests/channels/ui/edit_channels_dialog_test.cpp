#include "channels/ui/edit_channels_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "channels/rows_fixture.h"
#include "support/ui/modal_answer.h"

namespace q7 {
namespace {

class EditDialog : public test::RowsFixture {
 protected:
  EditDialog() {
    state.captions = CaptionTable(kEnglish);
    makeChannels(test::firstChannels(3));
  }

  static QLineEdit* line(QWidget* dialog, int column) {
    return dialog->findChild<QLineEdit*>(QString("field%1").arg(column));
  }
  static QComboBox* box(QWidget* dialog, int column) {
    return dialog->findChild<QComboBox*>(QString("field%1").arg(column));
  }
  static void press(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    QPushButton* button = dialog->findChild<QDialogButtonBox*>()->button(which);
    QTest::mouseClick(button, Qt::LeftButton);
  }
};

TEST_F(EditDialog, EveryGridColumnHasAFieldThatStartsUnchanged) {
  EditChannelsDialog dialog(state, grid, {1, 2});
  for (int c = col::kRx; c <= grid.columns(); ++c) {
    QWidget* field = dialog.field(c);
    ASSERT_NE(field, nullptr) << c;
    if (c == col::kRx || c == col::kTx) {
      EXPECT_TRUE(line(&dialog, c)->text().isEmpty()) << c;
      EXPECT_EQ(line(&dialog, c)->placeholderText(), "(unchanged)");
    } else {
      EXPECT_EQ(box(&dialog, c)->currentText(), "(unchanged)") << c;
    }
  }
  EXPECT_EQ(box(&dialog, col::kRxTone)->count(), 1 + kToneListSize);
  EXPECT_EQ(box(&dialog, 8)->itemText(3), "QT/DQT");  // Busy Lock's own list
  const auto edit = dialog.columnEdit();
  ASSERT_TRUE(edit);
  EXPECT_TRUE(edit->columns.empty());
}

TEST_F(EditDialog, OnlyTheFieldsTheUserChangedAreApplied) {
  test::ModalAnswer answer([](QWidget* dialog) {
    QTest::keyClicks(line(dialog, col::kTx), "445.5");
    QTest::keyClick(box(dialog, 6), Qt::Key_Down);  // TX Power: High
    QTest::keyClick(box(dialog, 6), Qt::Key_Down);  // Low
    box(dialog, col::kTxTone)->setFocus();
    QTest::keyClicks(box(dialog, col::kTxTone), "D0");  // the first DCS code
    press(dialog, QDialogButtonBox::Ok);
  });
  const auto edit = editSelectedChannels(nullptr, state, grid, {1, 3});
  ASSERT_TRUE(answer.answered());
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->changedRows, (std::vector<int>{1, 3}));
  for (const int n : {1, 3}) {
    EXPECT_EQ(text(n, col::kTx), "445.5") << n;
    EXPECT_EQ(text(n, 6), "Low") << n;
    EXPECT_EQ(text(n, col::kTxTone), "D023N") << n;
  }
  EXPECT_EQ(text(1, col::kRx), "440.0125");  // not changed
  EXPECT_EQ(text(1, col::kRxTone), "88.5");  // not changed
  EXPECT_EQ(text(2, col::kTx), "445.025");   // not selected
}

TEST_F(EditDialog, AnUnreadableFrequencyKeepsTheDialogOpenAndChangesNothing) {
  const CodeplugImage before = state.image;
  bool named = false;
  test::ModalAnswer answer([&](QWidget* dialog) {
    QTest::keyClicks(line(dialog, col::kRx), "446,5");
    press(dialog, QDialogButtonBox::Ok);
    named = dialog->isVisible() &&
            dialog->findChild<QLabel*>("lblProblem")->text() == "446,5 is not a frequency";
    press(dialog, QDialogButtonBox::Cancel);
  });
  EXPECT_FALSE(editSelectedChannels(nullptr, state, grid, {1}));
  EXPECT_TRUE(answer.answered());
  EXPECT_TRUE(named);
  EXPECT_EQ(state.image, before);
}

TEST_F(EditDialog, ALockedGridOpensNoDialog) {
  state.lockState = kLockedText;
  const auto edit = editSelectedChannels(nullptr, state, grid, {1});
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->refusal, RowRefusal::kLocked);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace q7
