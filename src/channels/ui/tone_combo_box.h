#pragma once
// The tone box cboGridChCtdcs: an editable drop-down of the tone list whose
// text stays exactly as the user typed it until the grid normalises it. It
// has no completer: an editable combo box's own completer fills typed text in
// with the first entry that starts with it, and matches entries regardless of
// case when the edit ends, so that "250" would become 250.3 and "d023i" D023I
// where the grid's rules make 250.0 and off of them.
#include <QComboBox>

namespace q7 {

class ToneComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit ToneComboBox(QWidget* parent = nullptr);

 signals:
  // Enter, Tab or Shift+Tab in the text (the open list takes its own keys):
  // the user is done with the tone.
  void finished();
  // Esc in the text: the user leaves the tone as it was.
  void cancelled();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Tab and Shift+Tab would go to the grid around the box, which moves its
  // cursor and leaves the box open.
  bool focusNextPrevChild(bool next) override;
};

}  // namespace q7
