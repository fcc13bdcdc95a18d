#pragma once
// UTF-8 texts of the logic <-> Qt strings.
#include <QString>
#include <string>

namespace q7 {

inline QString qs(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string ss(const QString& text) {
  return text.toStdString();
}

}  // namespace q7
