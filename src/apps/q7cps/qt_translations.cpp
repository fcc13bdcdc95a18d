#include "qt_translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "foundation/caption_table.h"

namespace q7 {

void installQtTranslations(QApplication& app, int language) {
  const char* locale = language == kSimplifiedChinese    ? "zh_CN"
                       : language == kTraditionalChinese ? "zh_TW"
                                                         : nullptr;
  if (!locale) return;
  auto* translator = new QTranslator(&app);
  if (translator->load(QString("qtbase_") + locale,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace q7
