#include "verbs.h"

namespace q7::cli {

std::span<const Verb> verbs() {
  static constexpr Verb kVerbs[] = {
      {"ports", "", runPorts},
      {"read", "--port P -o FILE.dat [--start HEX --end HEX] [--trace FILE]", runRead},
      {"write", "--port P FILE.dat [--start HEX --end HEX] [--trace FILE]", runWrite},
      {"show", "FILE.dat [--json] [--lang 1|2|3]", runShow},
      {"normalize", "FILE.dat -o OUT.dat", runNormalize},
  };
  return kVerbs;
}

}  // namespace q7::cli
