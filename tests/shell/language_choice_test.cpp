#include "shell/language_choice.h"

#include <gtest/gtest.h>

#include <tuple>

#include "foundation/setting_keys.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace q7 {
namespace {

TEST(LanguageChoice, SameLanguageDoesNothingOtherIsStoredThenAnnounced) {
  test::TempDir dir;
  AppState state;
  state.settings = ProfileFile(dir / "corvane.def");
  state.language = kSimplifiedChinese;
  state.captions = CaptionTable(kSimplifiedChinese);
  test::ScriptedPrompts prompts;
  EXPECT_FALSE(swiLangFace(state, prompts, kSimplifiedChinese));
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(state.settings.exists());

  EXPECT_TRUE(swiLangFace(state, prompts, kEnglish));
  EXPECT_EQ(readSetting(state.settings, key::kLanguage), "3");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].title, "消息");
  EXPECT_EQ(prompts.messages[0].text, "语言已更改，需要重新启动软件。");
}

// The restart message speaks the language of the interface it is shown in.
TEST(LanguageChoice, TheRestartMessageSpeaksTheInterfaceLanguage) {
  const std::tuple<int, const char*, const char*> cases[] = {
      {kTraditionalChinese, "訊息", "語言已更改，需要重新啟動軟體。"},
      {kEnglish, "Message", "Language has changed, you need to restart the software."},
  };
  for (const auto& [language, title, text] : cases) {
    AppState state;
    state.language = language;
    state.captions = CaptionTable(language);
    test::ScriptedPrompts prompts;
    EXPECT_TRUE(swiLangFace(state, prompts, kSimplifiedChinese));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, title);
    EXPECT_EQ(prompts.messages[0].text, text);
  }
}

TEST(LanguageChoice, HelpDocumentPerLanguage) {
  EXPECT_EQ(helpDocument("/p", 1), std::filesystem::path("/p/ChsHelp.html"));
  EXPECT_EQ(helpDocument("/p", 2), std::filesystem::path("/p/ChtHelp.html"));
  EXPECT_EQ(helpDocument("/p", 3), std::filesystem::path("/p/EngHelp.html"));
  EXPECT_EQ(helpDocument("/p", 9), std::filesystem::path("/p/EngHelp.html"));
}

TEST(LanguageChoice, ExitAsksUnlessTheProgramClosesItself) {
  AppState state;
  state.captions = CaptionTable(kEnglish);
  test::ScriptedPrompts prompts;
  EXPECT_FALSE(confirmExit(state, prompts));
  EXPECT_FALSE(state.closing);
  EXPECT_EQ(prompts.questions.back().text, "Are you sure want to exit?");
  prompts.answers = {true};
  EXPECT_TRUE(confirmExit(state, prompts));
  EXPECT_TRUE(state.closing);
  state.quitWithoutAsking = true;
  const auto asked = prompts.questions.size();
  EXPECT_TRUE(confirmExit(state, prompts));
  EXPECT_EQ(prompts.questions.size(), asked);
}

}  // namespace
}  // namespace q7
