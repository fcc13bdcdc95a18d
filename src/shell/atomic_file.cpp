#include "shell/atomic_file.h"

#include <fstream>
#include <system_error>

namespace q7 {

bool writeFileAtomically(const std::filesystem::path& target, std::string_view content) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (target.empty() || fs::is_directory(target, ec)) return false;
  fs::path temp = target;
  temp += ".q7tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace q7
