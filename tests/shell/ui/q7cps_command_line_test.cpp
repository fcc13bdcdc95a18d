// The desktop program's command line, run as a process the way a terminal or
// a file manager runs it: --help and --version and --pdf without a display,
// usage errors in one line, and a data file named at start-up opened.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "foundation/profile_file.h"
#include "shell/recent_files.h"
#include "support/shipped_program.h"
#include "support/temp_dir.h"
#include "support/ui/pdf_text.h"

namespace q7 {
namespace {

const std::filesystem::path kSample = std::filesystem::path(Q7_DATA_DIR) / "Data" / "Sample.dat";
const QString kProgram = QString(Q7_BIN_DIR) + "/q7cps";

struct Finished {
  int status = -1;
  QString out;
  QString err;
};

// No display of any kind: the program must not need one for these. The
// runtime folder a desktop session provides stays, so Qt has nothing to say.
Finished runWithoutDisplay(const QStringList& arguments) {
  static const test::TempDir runtime;
  std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  if (!env.contains("XDG_RUNTIME_DIR"))
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path().string()));
  process.setProcessEnvironment(env);
  process.start(kProgram, arguments);
  EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(' ').toStdString();
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromLocal8Bit(process.readAllStandardOutput()),
          QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(Q7cpsCommandLineTest, HelpAndVersionAnswerOnStandardOutput) {
  const Finished help = runWithoutDisplay({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.startsWith("Usage: ")) << help.out.toStdString();
  for (const char* expected : {"--pdf <OUT.pdf>", "--version", "--help", "FILE.dat"})
    EXPECT_TRUE(help.out.contains(expected)) << expected;
  const Finished version = runWithoutDisplay({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(QRegularExpression("^q7cps \\d+\\.\\d+\\S*\\n$").match(version.out).hasMatch())
      << version.out.toStdString();
  EXPECT_TRUE(help.err.isEmpty() && version.err.isEmpty());
  // Qt's own options are left to the application object.
  EXPECT_EQ(runWithoutDisplay({"-platform", "offscreen", "--version"}).out, version.out);
  EXPECT_FALSE(help.out.contains("platform"));
}

TEST(Q7cpsCommandLineTest, UsageErrorsEndInOneLine) {
  const QStringList cases[] = {
      {"--no-such-option"},
      {"a.dat", "b.dat"},
      {"--pdf", "out.pdf"},
      {"--pdf"},
  };
  for (const QStringList& arguments : cases) {
    const Finished run = runWithoutDisplay(arguments);
    EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith("q7cps: ")) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  }
}

TEST(Q7cpsCommandLineTest, PdfIsWrittenWithoutADisplay) {
  test::TempDir dir;
  const auto pdf = dir / "o.pdf";
  const Finished run = runWithoutDisplay(
      {"--pdf", QString::fromStdString(pdf.string()), QString::fromStdString(kSample.string())});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
  const std::string text = test::pdfText(pdf);
  EXPECT_NE(text.find(kSample.string()), std::string::npos);
  test::expectChannelsAndOptions(text, kSample);
}

TEST(Q7cpsCommandLineTest, PdfOfAFileThatCannotBeOpenedFailsInOneLine) {
  test::TempDir dir;
  const auto pdf = dir / "o.pdf";
  for (const auto& data : {dir / "none.dat", dir.path()}) {
    const Finished run = runWithoutDisplay(
        {"--pdf", QString::fromStdString(pdf.string()), QString::fromStdString(data.string())});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("q7cps: ")) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_FALSE(std::filesystem::exists(pdf));
  }
}

// The program copied beside the shipped files of a folder of its own, so its
// settings file is this test's; the file opened shows in its recent files.
TEST(Q7cpsCommandLineTest, AFileNamedAtStartUpIsOpened) {
  test::TempDir dir;
  test::shipProgramFiles(dir.path(), {{"FirRun", "0"}, {"Language", "3"}});
  std::filesystem::copy_file(kProgram.toStdString(), dir / "q7cps");
  const auto file = dir / "mine.dat";
  std::filesystem::copy_file(kSample, file);
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(QString::fromStdString(dir.path().string()));
  process.start(QString::fromStdString((dir / "q7cps").string()), {"mine.dat"});
  ASSERT_TRUE(process.waitForStarted());
  const bool opened = QTest::qWaitFor(
      [&] {
        ProfileFile settings(dir / "corvane.def");
        return settings.read(kRecentSection, "File1", "") == file.string();
      },
      60000);
  process.kill();
  process.waitForFinished();
  EXPECT_TRUE(opened);
}

}  // namespace
}  // namespace q7
