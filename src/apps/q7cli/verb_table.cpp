#include "verbs.h"

namespace q7::cli {

std::span<const DeclareVerb> verbs() {
  static constexpr DeclareVerb kVerbs[] = {
      declarePorts,     declareRead, declareWrite,  declareShow,
      declareNormalize, declareDiff, declareExport, declareImport,
  };
  return kVerbs;
}

}  // namespace q7::cli
