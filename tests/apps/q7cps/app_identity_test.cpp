#include "apps/q7cps/app_identity.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <algorithm>

namespace q7 {
namespace {

// The id that names the desktop entry, the version, and a window icon drawn
// from its own image at every size the desktop asks for.
TEST(ApplicationIdentity, IdVersionAndIconInEverySize) {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  ASSERT_NE(app, nullptr);
  setApplicationIdentity(*app);
  EXPECT_EQ(QGuiApplication::desktopFileName(), "org.q7cps.q7cps");
  EXPECT_EQ(QCoreApplication::applicationVersion(), "1.0");
  EXPECT_EQ(QCoreApplication::applicationName(), "q7cps");
  const QIcon icon = QApplication::windowIcon();
  ASSERT_FALSE(icon.isNull());
  QList<int> sizes;
  for (const QSize& size : icon.availableSizes()) sizes.append(size.width());
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(sizes, (QList<int>{16, 22, 24, 32, 48, 64, 128, 256}));
  for (int size : sizes) EXPECT_EQ(icon.pixmap(size).width(), size) << size;
}

}  // namespace
}  // namespace q7
