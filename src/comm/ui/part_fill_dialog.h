#pragma once
// frmPartFill: fills an address range of the image with one value, typed in
// hexadecimal, decimal or binary; the memory view shows the new bytes.
#include <QDialog>

#include "foundation/app_state.h"
#include "foundation/prompts.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace q7 {

class MemoryView;

class PartFillDialog : public QDialog {
  Q_OBJECT
 public:
  PartFillDialog(AppState& state, Prompts& prompts, MemoryView& view, QWidget* parent = nullptr);

  void cmdFillData_Click();
  QLineEdit* fillDataField() const { return txtFillData_; }
  QComboBox* baseList() const { return cboFillData_; }
  QLineEdit* startField() const { return txtStartAddr_; }
  QLineEdit* endField() const { return txtEndAddr_; }

 private:
  static long hexAddress(const QLineEdit* field);
  AppState& state_;
  Prompts& prompts_;
  MemoryView& view_;
  QLineEdit* txtFillData_;
  QComboBox* cboFillData_;
  QLineEdit* txtStartAddr_;
  QLineEdit* txtEndAddr_;
  QPushButton* cmdFillData_;
};

}  // namespace q7
