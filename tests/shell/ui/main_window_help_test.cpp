// The user guide as a dealer meets it: F1 and the Help menu open it inside
// the program at the section of the window in front, and every menu path the
// guide names is a path of that language's menus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <fstream>
#include <sstream>

#include "channels/ui/channel_window.h"
#include "foundation/error_report.h"
#include "shell/help_topics.h"
#include "shell/language_choice.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_window.h"
#include "support/scripted_prompts.h"
#include "support/shipped_program.h"
#include "support/temp_dir.h"
#include "support/ui/modal_answer.h"
#include "support/ui/window_focus.h"

namespace q7 {
namespace {

// A menu caption as the guide writes it: no accelerator, no trailing dots.
QString plainCaption(QString text) {
  text.remove(QRegularExpression("\\(&.\\)")).remove('&');
  text.remove(QRegularExpression("(\\.\\.\\.|…)$"));
  return text.trimmed();
}

QMenu* subMenu(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* a : actions) {
    if (a->menu() && plainCaption(a->text()) == caption) return a->menu();
  }
  return nullptr;
}

bool hasEntry(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* a : actions) {
    if (!a->isSeparator() && plainCaption(a->text()) == caption) return true;
  }
  return false;
}

// The paths the guide marks as menu paths, "File → Open" and the like.
QStringList menuPaths(const std::filesystem::path& guide) {
  std::ifstream in(guide);
  std::stringstream text;
  text << in.rdbuf();
  QStringList paths;
  QRegularExpression marked("<span class=\"menu\">([^<]+)</span>");
  for (auto it = marked.globalMatch(QString::fromStdString(text.str())); it.hasNext();) {
    paths << it.next().captured(1);
  }
  return paths;
}

HelpWindow* openHelpWindow() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* help = qobject_cast<HelpWindow*>(w); help && help->isVisible()) return help;
  }
  return nullptr;
}

class MainWindowHelpTest : public ::testing::Test {
 protected:
  MainWindowHelpTest() { errorReporter().clear(); }
  ~MainWindowHelpTest() override {
    if (HelpWindow* help = openHelpWindow()) delete help;
    state.closing = true;
  }

  std::unique_ptr<MainWindow> startIn(int language) {
    test::shipProgramFiles(dir.path(),
                           {{"FirRun", "0"}, {"COM", "4"}, {"Language", std::to_string(language)}});
    for (int l : {kSimplifiedChinese, kTraditionalChinese, kEnglish}) {
      const auto guide = helpDocument(Q7_DATA_DIR, l);
      std::filesystem::copy_file(guide, dir / guide.filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
    state.programFolder = dir.path();
    auto window = std::make_unique<MainWindow>(state, prompts);
    EXPECT_EQ(window->start(), StartupOutcome::Started);
    EXPECT_TRUE(test::activate(window.get()));
    return window;
  }

  // F1 pressed on whatever holds the keyboard; the guide's section it opened.
  QString sectionAfterF1() {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : QApplication::activeWindow(), Qt::Key_F1);
    HelpWindow* help = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (help = openHelpWindow()) != nullptr; }));
    if (!help) return {};
    const QString section = help->currentAnchor();
    EXPECT_FALSE(help->browser()->toPlainText().isEmpty());
    delete help;
    return section;
  }

  test::TempDir dir;
  AppState state;
  test::ScriptedPrompts prompts;
};

TEST_F(MainWindowHelpTest, EveryMenuPathTheGuideNamesIsInThatLanguagesMenus) {
  for (int language : {kSimplifiedChinese, kTraditionalChinese, kEnglish}) {
    auto window = startIn(language);
    const QStringList paths = menuPaths(helpDocument(Q7_DATA_DIR, language));
    EXPECT_GT(paths.size(), 20) << "language " << language;
    for (const QString& path : paths) {
      QStringList steps = path.split(QString::fromUtf8(" → "));
      QList<QAction*> level = window->menuBar()->actions();
      const QString last = steps.takeLast();
      for (const QString& step : steps) {
        QMenu* menu = subMenu(level, step);
        ASSERT_NE(menu, nullptr) << "language " << language << ": " << path.toStdString();
        level = menu->actions();
      }
      EXPECT_TRUE(hasEntry(level, last)) << "language " << language << ": " << path.toStdString();
    }
    state.closing = true;
    window.reset();
    state.closing = false;
  }
}

TEST_F(MainWindowHelpTest, F1OpensTheGuideOfTheLanguageAtTheChannelGridOrTheFocusedPage) {
  const struct {
    int language;
    const char* heading;
  } cases[] = {{kSimplifiedChinese, "用户指南"},
               {kTraditionalChinese, "使用者指南"},
               {kEnglish, "user guide"}};
  for (const auto& c : cases) {
    auto window = startIn(c.language);
    window->channelWindow()->setFocus();
    EXPECT_EQ(sectionAfterF1(), "channels");
    auto* tabs = window->channelWindow()->findChild<QTabWidget*>("sstabSetMode");
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(3);
    tabs->tabBar()->setFocus();
    EXPECT_EQ(sectionAfterF1(), "page-vox");
    window->action("mnuUserGuide")->trigger();
    HelpWindow* help = openHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->browser()->toPlainText().contains(QString::fromUtf8(c.heading)));
    delete help;
    state.closing = true;
    window.reset();
    state.closing = false;
  }
}

TEST_F(MainWindowHelpTest, F1InTheCommunicationWindowOpensTheWritingSection) {
  auto window = startIn(kEnglish);
  QString section;
  test::ModalAnswer answer([&](QWidget* modal) {
    section = sectionAfterF1();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  window->action("mnuReadFre")->trigger();
  EXPECT_TRUE(answer.answered());
  EXPECT_EQ(section, "writing");
}

// Stands for the desktop's file manager: takes the folder it is handed.
class FileManager : public QObject {
  Q_OBJECT
 public:
  QUrl shown;
 public slots:
  void show(const QUrl& url) { shown = url; }
};

TEST_F(MainWindowHelpTest, OpenBackupsFolderHandsTheFolderToTheDesktopOrSaysWhereItIs) {
  auto window = startIn(kEnglish);
  const auto backups = state.dataFolderPath() / "Backups";
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "");  // no desktop launcher to be found
  window->action("mnuOpenBackups")->trigger();
  qputenv("PATH", path);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find(backups.string()), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(backups));

  FileManager manager;
  QDesktopServices::setUrlHandler("file", &manager, "show");
  window->action("mnuOpenBackups")->trigger();
  QDesktopServices::unsetUrlHandler("file");
  EXPECT_EQ(manager.shown.toLocalFile().toStdString(), backups.string());
  EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST(HelpTopics, EachWindowAndOptionPageHasItsSection) {
  const struct {
    const char* window;
    int page;
    const char* section;
  } cases[] = {
      {"frmCommun", -1, "writing"},
      {"frmToolCom", -1, "cable"},
      {"frmMemDat", -1, "memory-view"},
      {"frmSetVolume", -1, "volume"},
      {"", -1, "channels"},
      {"", 0, "page-radio-info"},
      {"", 1, "page-common"},
      {"", 7, "page-embedded"},
      {"", 8, "channels"},
      {"frmSomethingNew", -1, "channels"},
  };
  for (const auto& c : cases) EXPECT_EQ(helpSection(c.window, c.page), c.section) << c.window;
}

TEST(HelpTopics, EverySectionIsAnAnchorOfEachGuide) {
  const char* const windows[] = {"frmCommun",  "frmToolCom", "frmMemDat", "frmSetVolume",
                                 "frmCompare", "frmShowErr", ""};
  for (int language : {kSimplifiedChinese, kTraditionalChinese, kEnglish}) {
    std::ifstream in(helpDocument(Q7_DATA_DIR, language));
    std::stringstream text;
    text << in.rdbuf();
    for (const char* w : windows) {
      for (int page = -1; page < 8; ++page) {
        const std::string anchor = "id=\"" + helpSection(w, page) + "\"";
        EXPECT_NE(text.str().find(anchor), std::string::npos) << language << " " << anchor;
      }
    }
  }
}

}  // namespace
}  // namespace q7

#include "main_window_help_test.moc"
