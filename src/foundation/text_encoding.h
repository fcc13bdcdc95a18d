#pragma once
// Text files written on Chinese systems come either in UTF-8 or in the local
// Chinese code page (GB18030, a superset of GBK and GB2312).
#include <string>

namespace q7 {

bool isValidUtf8(const std::string& bytes);

// The text as UTF-8: as it is when it already is UTF-8, otherwise read as
// GB18030; bytes that are neither come back unchanged.
std::string utf8FromUtf8OrGb18030(const std::string& bytes);

}  // namespace q7
