#pragma once
// A channel window over an erased template and the shipped settings file, in
// English, hosted by a fake main window that records what it was asked to do.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <vector>

#include "channels/ui/channel_grid_view.h"
#include "channels/ui/channel_window.h"
#include "support/scripted_prompts.h"
#include "support/shell_fakes.h"

namespace q7::test {

class FakeShell : public ShellCommands, public RecordingStatus {
 public:
  explicit FakeShell(AppState& state) : state_(state) {}

  // Like the main window: the template back into the image, model and band kept.
  void newFileSol() override {
    ++newFiles;
    std::array<std::uint8_t, 5> kept{};
    for (std::size_t i = 0; i < kept.size(); ++i) kept[i] = state_.image[0x379 + i];
    state_.image.loadFileLayout(state_.templateImage.bytes());
    for (std::size_t i = 0; i < kept.size(); ++i) state_.image[0x379 + i] = kept[i];
    if (views) views->showNewImage();
  }
  void restoreDefaults() override { ++defaultsRestored; }
  void useDefaultDataPath() override { ++defaultPaths; }
  void toggleChannelLock() override {
    state_.lockState = state_.locked() ? kUnlockedText : kLockedText;
    if (views) views->applyLock(state_.locked());
  }
  void setMemoryViewVisible(bool visible) override { memoryView.push_back(visible); }

  EditorViews* views = nullptr;
  int newFiles = 0;
  int defaultPaths = 0;
  int defaultsRestored = 0;
  std::vector<bool> memoryView;

 private:
  AppState& state_;
};

class WindowFixture : public ::testing::Test {
 protected:
  WindowFixture() {
    state.settings = ProfileFile(std::string(Q7_DATA_DIR) + "/corvane.def");
    state.language = kEnglish;
    state.captions = CaptionTable(kEnglish);
    state.programFolder = "/opt/q7";
    for (auto& byte : state.templateImage.bytes()) byte = 0xFF;
    state.image = state.templateImage;
    window = std::make_unique<ChannelWindow>(state, prompts, shell, shell);
    shell.views = window.get();
    window->resize(1000, 700);
    window->show();
    window->initChMem();
  }

  template <class T>
  T* child(const char* name) const {
    return window->findChild<T*>(name);
  }
  ChannelGridView* grid() const { return child<ChannelGridView>("vsfgGridCh"); }
  QComboBox* toneBox() const { return child<QComboBox>("cboGridChCtdcs"); }
  QString cell(int row, int column) const { return grid()->cellText(row, column); }

  void clickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(grid()->viewport(), button, {}, grid()->cellRect(row, column).center());
  }
  // A double-click as the mouse makes it: press, release, then the double-click.
  void doubleClickCell(int row, int column) {
    const QPoint at = grid()->cellRect(row, column).center();
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, at);
  }
  // Clicks a cell, types into the editor it opens and presses Enter.
  void typeInto(int row, int column, const QString& text) {
    clickCell(row, column);
    auto* editor = qobject_cast<QLineEdit*>(grid()->openEditor());
    ASSERT_NE(editor, nullptr) << "no editor on " << row << "," << column;
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the grid commits an edit ended by Enter once idle
  }

  AppState state;
  ScriptedPrompts prompts;
  FakeShell shell{state};
  std::unique_ptr<ChannelWindow> window;
};

}  // namespace q7::test
