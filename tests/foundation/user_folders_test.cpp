#include "foundation/user_folders.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "support/temp_dir.h"

namespace q7 {
namespace {

namespace fs = std::filesystem;

// Each case: the environment, the user-dirs.dirs file (none when null) in the
// configuration folder, and the two folders expected.
// "~" in a path stands for the test's home folder.
struct Case {
  const char* what;
  std::map<std::string, std::string> env;
  const char* userDirs;
  const char* settings;
  const char* data;
};

class UserFoldersTest : public ::testing::Test {
 protected:
  fs::path expand(const std::string& text) const {
    return text.starts_with("~") ? fs::path(dir.path().string() + text.substr(1)) : fs::path(text);
  }
  // Writes the case's user-dirs.dirs into the configuration folder it expects.
  UserFolders run(const Case& c) const {
    std::map<std::string, std::string> env;
    for (const auto& [name, value] : c.env) env[name] = expand(value).string();
    const fs::path userDirs = expand(c.settings).parent_path() / "user-dirs.dirs";
    fs::create_directories(userDirs.parent_path());
    fs::remove(userDirs);
    if (c.userDirs) std::ofstream(userDirs) << c.userDirs;
    return xdgUserFolders(
        [&env](const char* name) {
          auto it = env.find(name);
          return it == env.end() ? nullptr : it->second.c_str();
        },
        dir / "account");
  }
  test::TempDir dir;
};

TEST_F(UserFoldersTest, FollowTheDesktopsRules) {
  const Case cases[] = {
      {"nothing set: the defaults",
       {{"HOME", "~"}},
       nullptr,
       "~/.config/q7cps",
       "~/Documents/q7cps"},
      {"no HOME: the account's home",
       {},
       nullptr,
       "~/account/.config/q7cps",
       "~/account/Documents/q7cps"},
      {"a relative HOME counts as none",
       {{"HOME", "home"}},
       nullptr,
       "~/account/.config/q7cps",
       "~/account/Documents/q7cps"},
      {"XDG_CONFIG_HOME",
       {{"HOME", "~"}, {"XDG_CONFIG_HOME", "~/cfg"}},
       nullptr,
       "~/cfg/q7cps",
       "~/Documents/q7cps"},
      {"a relative XDG_CONFIG_HOME is ignored",
       {{"HOME", "~"}, {"XDG_CONFIG_HOME", "cfg"}},
       nullptr,
       "~/.config/q7cps",
       "~/Documents/q7cps"},
      {"documents under $HOME",
       {{"HOME", "~"}},
       "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
       "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
       "~/.config/q7cps",
       "~/Dokumente/q7cps"},
      {"documents at an absolute path",
       {{"HOME", "~"}},
       "XDG_DOCUMENTS_DIR=\"/srv/docs\"\n",
       "~/.config/q7cps",
       "/srv/docs/q7cps"},
      {"shell escapes and Chinese names",
       {{"HOME", "~"}},
       "XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"/文档\"\n",
       "~/.config/q7cps",
       "~/My \"Docs\"/文档/q7cps"},
      {"user-dirs.dirs in XDG_CONFIG_HOME",
       {{"HOME", "~"}, {"XDG_CONFIG_HOME", "~/cfg"}},
       "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n",
       "~/cfg/q7cps",
       "~/Papers/q7cps"},
      {"an unquoted or relative value is not a folder",
       {{"HOME", "~"}},
       "XDG_DOCUMENTS_DIR=$HOME/Plain\nXDG_DOCUMENTS_DIR=\"Papers\"\n",
       "~/.config/q7cps",
       "~/Documents/q7cps"},
      {"a commented line counts for nothing",
       {{"HOME", "~"}},
       "#XDG_DOCUMENTS_DIR=\"$HOME/Old\"\n",
       "~/.config/q7cps",
       "~/Documents/q7cps"},
      {"the last line wins",
       {{"HOME", "~"}},
       "XDG_DOCUMENTS_DIR=\"$HOME/A\"\nXDG_DOCUMENTS_DIR=\"$HOME/B\"\n",
       "~/.config/q7cps",
       "~/B/q7cps"},
  };
  for (const Case& c : cases) {
    const UserFolders folders = run(c);
    EXPECT_EQ(folders.settings, expand(c.settings)) << c.what;
    EXPECT_EQ(folders.data, expand(c.data)) << c.what;
  }
}

}  // namespace
}  // namespace q7
