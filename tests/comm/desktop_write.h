#pragma once
// The oracle of the end-to-end tests: what the programs send for a data file.
// The file is opened as the desktop program opens it and written with the
// transfer and the editor's write hooks the programs use, into a radio in
// the test's own process; the image then holds exactly the bytes sent.
#include <filesystem>
#include <vector>

#include "comm/fake_radio_link.h"
#include "comm/radio_transfer.h"
#include "support/opened_file.h"
#include "support/scripted_prompts.h"

namespace q7::test {

inline std::vector<std::uint8_t> desktopWrite(const std::filesystem::path& source) {
  OpenedFile desktop(source, kEnglish);
  ManualClock clock;
  RadioSimulator radio;
  FakeRadioLink link(radio, clock);
  const CaptionTable captions(kEnglish);
  ScriptedPrompts prompts;
  RadioTransfer transfer(link, clock, captions, prompts);
  transfer.setHooks(desktop.editor.writeHooks());
  const AddressRange written{0x010, 0x37F};
  EXPECT_EQ(transfer.write(desktop.state.image, 1, {written, written}), TransferOutcome::Succeeded);
  return desktop.state.image.toFileLayout();
}

}  // namespace q7::test
