#include "channels/soft_display.h"

#include "shell/error_report.h"

namespace q7 {

ImageModelBand softDisplay(CodeplugImage& image, ChannelGrid& grid,
                           const OptionPagesHooks& optionPages) {
  ImageModelBand loaded;
  guard("modChMem->SoftDisplay", [&] { loaded = loadModelAndBand(image); });
  grid.hideToneBox();
  grid.showChTblGrid();
  if (optionPages.initOpt) optionPages.initOpt();
  if (optionPages.repairIdentifier) optionPages.repairIdentifier();
  if (optionPages.checkVoxCalibration) optionPages.checkVoxCalibration();
  return loaded;
}

}  // namespace q7
