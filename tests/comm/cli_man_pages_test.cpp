// The man pages made at build time say what the programs' own help says:
// every option and every verb of the help is in the page, and the help of
// q7sim and the version of both programs name the programs.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "comm/pattern_file.h"
#include "comm/sim_process.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

const std::filesystem::path kManFolder = std::filesystem::path(Q7_BIN_DIR).parent_path() / "man";

// What `program arguments` prints on standard output; its exit code must be 0.
std::string printed(const test::TempDir& dir, const std::string& program,
                    const std::string& arguments) {
  const auto out = dir / "out.txt";
  const std::string command =
      "'" + test::binaryPath(program).string() + "' " + arguments + " >'" + out.string() + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return test::fileBytesText(out);
}

// The page as text: roff's escaped minus signs read as plain ones.
std::string pageText(const std::string& program) {
  const std::string page = test::fileBytesText(kManFolder / (program + ".1"));
  return std::regex_replace(page, std::regex(R"(\\-)"), "-");
}

std::set<std::string> optionsIn(const std::string& help) {
  std::set<std::string> options;
  const std::regex option(R"(--[a-z][a-z-]*)");
  for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
       it != std::sregex_iterator(); ++it)
    options.insert(it->str());
  return options;
}

struct PageCase {
  const char* program;
  const char* helpOption;
  std::vector<std::string> words;  // what the help and the page both hold
};

TEST(ManPages, EveryOptionAndVerbOfTheHelpIsInThePage) {
  const test::TempDir dir;
  const PageCase cases[] = {
      {"q7cli",
       "--help-all",
       {"ports", "read", "write", "show", "normalize", "diff", "export", "import", "--no-backup",
        "--no-verify", "--backup-folder", "--quiet", "--serials"}},
      {"q7sim", "--help", {"--corrupt-write", "--radio-version", "--hangup-after", "--version"}},
  };
  for (const PageCase& c : cases) {
    const std::string help = printed(dir, c.program, c.helpOption);
    const std::string page = pageText(c.program);
    ASSERT_FALSE(page.empty()) << c.program;
    for (const std::string& word : c.words) {
      EXPECT_NE(help.find(word), std::string::npos) << c.program << " help lacks " << word;
      EXPECT_NE(page.find(word), std::string::npos) << c.program << ".1 lacks " << word;
    }
    for (const std::string& option : optionsIn(help))
      EXPECT_NE(page.find(option), std::string::npos) << c.program << ".1 lacks " << option;
  }
}

TEST(ManPages, TheSimulatorDescribesItselfAndRefusesWhatItDoesNotKnow) {
  const test::TempDir dir;
  EXPECT_NE(printed(dir, "q7sim", "--help").find("Usage: q7sim"), std::string::npos);
  EXPECT_EQ(printed(dir, "q7sim", "--version"), "q7sim 1.0\n");
  const std::string command =
      "'" + test::binaryPath("q7sim").string() + "' --bogus 2>'" + (dir / "err.txt").string() + "'";
  const int status = std::system(command.c_str());
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_NE(test::fileBytesText(dir / "err.txt").find("--bogus"), std::string::npos);
}

}  // namespace
}  // namespace q7
