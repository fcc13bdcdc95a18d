#pragma once
// Gives each control the name it has in the radio tool's windows
// ("cmdRead", "listRtData"), so that code and tests can find it by name.
#include <QObject>
#include <initializer_list>
#include <utility>

namespace q7 {

inline void nameControls(std::initializer_list<std::pair<QObject*, const char*>> controls) {
  for (const auto& [control, name] : controls) control->setObjectName(name);
}

}  // namespace q7
