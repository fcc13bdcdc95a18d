#include "channels/soft_display.h"

#include "foundation/error_report.h"

namespace q7 {

void softDisplay(CodeplugImage& image, ChannelGrid& grid, const OptionPagesHooks& optionPages,
                 const std::function<void(const ImageModelBand&)>& applyModelBand) {
  ImageModelBand loaded;
  guard("modChMem->SoftDisplay", [&] { loaded = loadModelAndBand(image); });
  applyModelBand(loaded);
  grid.hideToneBox();
  grid.showChTblGrid();
  if (optionPages.initOpt) optionPages.initOpt();
  if (optionPages.repairIdentifier) optionPages.repairIdentifier();
  if (optionPages.checkVoxCalibration) optionPages.checkVoxCalibration();
}

}  // namespace q7
