#include "settings/option_refresh.h"

#include "settings/radio_identifier.h"
#include "settings/vox_page.h"

namespace q7 {

OptionPagesHooks optionRefreshHooks(OptionPages& pages) {
  return {[&pages] { pages.initOpt(); }, [&pages] { repairIdentifier(pages.image()); },
          [&pages] { checkVoxCalibration(pages); }};
}

}  // namespace q7
