#include "channels/ui/tone_combo_box.h"

#include <QKeyEvent>

namespace q7 {

ToneComboBox::ToneComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
}

void ToneComboBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      return emit finished();
    case Qt::Key_Escape:
      event->accept();
      return emit cancelled();
    default:
      QComboBox::keyPressEvent(event);
  }
}

bool ToneComboBox::focusNextPrevChild(bool) {
  emit finished();
  return true;
}

}  // namespace q7
