#pragma once
// Qt's own texts (file dialogs, Yes/No/OK buttons) in the interface language.
class QApplication;

namespace q7 {

// Installs Qt's translation for `language` (1 Simplified, 2 Traditional
// Chinese); English needs none. Missing translation files leave Qt's English.
void installQtTranslations(QApplication& app, int language);

}  // namespace q7
