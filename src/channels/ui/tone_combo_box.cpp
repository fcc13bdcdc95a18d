#include "channels/ui/tone_combo_box.h"

#include <QKeyEvent>

namespace q7 {

ToneComboBox::ToneComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
}

void ToneComboBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    return QComboBox::keyPressEvent(event);
  }
  event->accept();
  emit finished();
}

bool ToneComboBox::focusNextPrevChild(bool) {
  emit finished();
  return true;
}

}  // namespace q7
