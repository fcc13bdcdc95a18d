#include "comm/ui/port_description.h"

#include <QSerialPortInfo>
#include <QStringList>
#include <filesystem>

#include "comm/port_holders.h"

namespace q7 {

bool devicePresent(const std::string& device) {
  if (device.empty()) return false;
#ifdef _WIN32
  return true;
#else
  std::error_code ec;
  return std::filesystem::exists(device, ec);
#endif
}

std::string portDescription(const std::string& device) {
  if (!devicePresent(device)) return {};
  const QSerialPortInfo info(QString::fromStdString(device));
  QStringList about;
  for (const QString& part : {info.description(), info.manufacturer()}) {
    if (!part.isEmpty() && !about.contains(part)) about << part;
  }
  QString text = QString::fromStdString(device);
  if (!about.isEmpty()) text += QString::fromUtf8(" — ") + about.join(", ");
  // The stable names, which stay the same when the cable is replugged.
  for (const std::string& name : stableNames(device)) text += "  " + QString::fromStdString(name);
  return text.toStdString();
}

}  // namespace q7
