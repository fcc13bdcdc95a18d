#include "verbs.h"

namespace q7::cli {

std::span<const Verb> verbs() {
  static constexpr Verb kVerbs[] = {
      {"ports", "", runPorts},
      {"read", "--port P -o FILE.dat [--start HEX --end HEX] [--trace FILE]", runRead},
      {"write", "--port P FILE.dat [--start HEX --end HEX] [--trace FILE]", runWrite},
  };
  return kVerbs;
}

}  // namespace q7::cli
