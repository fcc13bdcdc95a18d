#pragma once
// frmAboutSoft: names the software and its version in the interface language.
#include <QDialog>

class QLabel;
class QPushButton;

namespace q7 {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  AboutBox(int language, const QString& fontFace, QWidget* parent = nullptr);

 private:
  void initFace(int language, const QString& fontFace);
  QLabel* lblTitle_;
  QLabel* lblUseRange_;
  QLabel* lblVersion_;
  QLabel* lblDescription_;
  QLabel* lblRights_;
  QPushButton* cmdOK_;
};

}  // namespace q7
