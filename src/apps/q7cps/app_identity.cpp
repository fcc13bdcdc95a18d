#include "app_identity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace q7 {

void setApplicationIdentity(QApplication& app) {
  QApplication::setApplicationName("q7cps");
  QApplication::setApplicationVersion(Q7_VERSION);
  QGuiApplication::setDesktopFileName(Q7_APP_ID);
  // The resource holds the icon once per size the desktop draws it.
  QIcon icon;
  for (const QFileInfo& size : QDir(":/icons").entryInfoList(QDir::Files)) {
    icon.addFile(size.filePath());
  }
  app.setWindowIcon(icon);
}

}  // namespace q7
