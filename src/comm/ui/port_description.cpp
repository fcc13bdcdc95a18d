#include "comm/ui/port_description.h"

#include <QSerialPortInfo>
#include <QStringList>
#include <filesystem>

namespace q7 {

std::string portDescription(const std::string& device) {
  std::error_code ec;
  if (device.empty()) return {};
#ifndef _WIN32
  if (!std::filesystem::exists(device, ec)) return {};
#endif
  const QSerialPortInfo info(QString::fromStdString(device));
  QStringList about;
  for (const QString& part : {info.description(), info.manufacturer()}) {
    if (!part.isEmpty() && !about.contains(part)) about << part;
  }
  QString text = QString::fromStdString(device);
  if (!about.isEmpty()) text += QString::fromUtf8(" — ") + about.join(", ");
  return text.toStdString();
}

}  // namespace q7
