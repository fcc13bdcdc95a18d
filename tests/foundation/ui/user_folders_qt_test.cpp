// The user's folders found without Qt are the ones Qt's desktop rules name,
// so the desktop program keeps its folders and q7cli shares them.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <fstream>

#include "foundation/user_folders.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the test's lifetime.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~ScopedVariable() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

fs::path qtFolder(QStandardPaths::StandardLocation location) {
  return fs::path(QStandardPaths::writableLocation(location).toStdString()) / "q7cps";
}

TEST(UserFoldersAsQt, SameFoldersAsQtNames) {
  struct Case {
    const char* what;
    const char* configSubfolder;  // XDG_CONFIG_HOME below the home, or "" for none
    const char* userDirs;         // user-dirs.dirs, or null for none
  };
  const Case cases[] = {
      {"defaults", "", nullptr},
      {"XDG_CONFIG_HOME", "cfg", nullptr},
      {"documents renamed", "", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"},
      {"documents elsewhere", "cfg", "XDG_DOCUMENTS_DIR=\"/srv/papers\"\n"},
  };
  for (const Case& c : cases) {
    test::TempDir home;
    ScopedVariable homeVariable("HOME", QByteArray::fromStdString(home.path().string()));
    const fs::path configHome = *c.configSubfolder ? home / c.configSubfolder : home / ".config";
    ScopedVariable configVariable(
        "XDG_CONFIG_HOME",
        *c.configSubfolder ? QByteArray::fromStdString(configHome.string()) : "");
    fs::create_directories(configHome);
    if (c.userDirs) std::ofstream(configHome / "user-dirs.dirs") << c.userDirs;
    const UserFolders folders = standardUserFolders();
    EXPECT_EQ(folders.settings, qtFolder(QStandardPaths::GenericConfigLocation)) << c.what;
    EXPECT_EQ(folders.data, qtFolder(QStandardPaths::DocumentsLocation)) << c.what;
  }
}

}  // namespace
}  // namespace q7
