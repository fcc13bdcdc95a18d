#include "settings/page_list.h"

namespace q7 {

namespace {

constexpr PageRegistration kPages[] = {
    addCommonPage,  addKeyPage,  addVoxPage,     addScanPage,
    addBatteryPage, addDtmfPage, addTwoTonePage, addEmbeddedMsgPage,
};

}  // namespace

std::span<const PageRegistration> allPages() {
  return kPages;
}

}  // namespace q7
