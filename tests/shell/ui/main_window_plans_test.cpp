// File -> Open Channel Plan... in the desktop program: the shipped plans are
// listed, the chosen one lands from the current channel down after the
// question about channels in use, and Undo takes it back in one step.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>

#include "channels/ui/channel_grid_view.h"
#include "channels/ui/channel_window.h"
#include "shell/ui/main_window.h"
#include "support/scripted_prompts.h"
#include "support/shipped_program.h"
#include "support/temp_dir.h"
#include "support/ui/modal_answer.h"

namespace q7 {
namespace {

class MainWindowPlansTest : public ::testing::Test {
 protected:
  MainWindowPlansTest() {
    test::shipProgramFiles(dir.path(), {{"FirRun", "0"}, {"Language", "3"}});
    std::filesystem::copy(std::filesystem::path(Q7_DATA_DIR) / "plans", dir / "plans");
    state.programFolder = dir.path();
    window = std::make_unique<MainWindow>(state, prompts);
    EXPECT_EQ(window->start(), StartupOutcome::Started);
    prompts.fileNames = {(std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat").string()};
    window->action("mnuFileOpen")->trigger();
  }
  ~MainWindowPlansTest() override { state.closing = true; }

  QString shown(int row, int column) {
    return window->channelWindow()
        ->findChild<ChannelGridView*>("vsfgGridCh")
        ->cellText(row, column);
  }
  // Chooses the plan `steps` entries below the first in the list, with the keyboard, then OK.
  static void choosePlan(QWidget* dialog, int steps, QStringList& listed) {
    auto* list = dialog->findChild<QListWidget*>("lstPlans");
    for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
    list->setFocus();
    for (int i = 0; i < steps; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
  }

  test::TempDir dir;
  AppState state;
  test::ScriptedPrompts prompts;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowPlansTest, TheChosenPlanLandsFromTheCurrentChannelAndUndoTakesItBack) {
  EXPECT_EQ(window->action("mnuOpenChannelPlan")->text(), "Open Channel P&lan...");
  const QString before = shown(1, 1);
  QStringList listed;
  prompts.answers = {true};
  test::ModalAnswer answer([&](QWidget* dialog) { choosePlan(dialog, 1, listed); });
  window->action("mnuOpenChannelPlan")->trigger();
  ASSERT_TRUE(answer.answered());
  EXPECT_EQ(listed, (QStringList{"LPD433-EU-1-16", "PMR446", "UHF-Business-Itinerant"}));
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0].text.rfind("These channels in use will be overwritten.", 0), 0u);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(shown(1, 1), "446.00625");
  EXPECT_EQ(shown(8, 1), "446.09375");
  EXPECT_EQ(shown(8, 5), "Narrow");
  window->action("mnuUndo")->trigger();
  EXPECT_EQ(shown(1, 1), before);
  EXPECT_NE(shown(8, 1), "446.09375");
}

TEST_F(MainWindowPlansTest, CancelledListChangesNothing) {
  const QString before = shown(1, 1);
  test::ModalAnswer answer([](QWidget* dialog) {
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel),
                      Qt::LeftButton);
  });
  window->action("mnuOpenChannelPlan")->trigger();
  ASSERT_TRUE(answer.answered());
  EXPECT_EQ(shown(1, 1), before);
  EXPECT_TRUE(prompts.questions.empty());
  EXPECT_FALSE(window->action("mnuUndo")->isEnabled());
}

}  // namespace
}  // namespace q7
