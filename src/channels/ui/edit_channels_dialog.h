#pragma once
// Edit Selected Channels: one dialog with a field for every grid column (the
// frequencies, the two tone lists, each option column's list). Every field
// starts "unchanged"; on OK only the columns the user changed are applied to
// every selected channel (applyColumns). A frequency it cannot read keeps the
// dialog open and is named in it.
#include <QDialog>
#include <optional>
#include <vector>

#include "channels/channel_rows.h"

class QLabel;

namespace q7 {

class EditChannelsDialog : public QDialog {
  Q_OBJECT
 public:
  EditChannelsDialog(const AppState& state, const ChannelGrid& grid,
                     const ChannelSelection& selection, QWidget* parent = nullptr);

  // The columns changed so far and their values; nullopt while a frequency
  // field holds text that is no frequency.
  std::optional<ColumnEdit> columnEdit() const;
  // The field of grid column c, named "field<c>": a QLineEdit for the
  // frequencies, a QComboBox otherwise; null for a column not shown.
  QWidget* field(int column) const;

 private:
  QWidget* makeFrequencyField();
  QWidget* makeListField(int column);
  void acceptIfReadable();

  const AppState& state_;
  const ChannelGrid& grid_;
  std::vector<QWidget*> fields_;  // by grid column
  QLabel* problem_;
};

// Shows the dialog for `selection` and applies what the user changed; nullopt
// when cancelled or nothing was changed. Locked, or with no channel selected,
// nothing opens and the refusal comes back with its reason.
std::optional<RowEdit> editSelectedChannels(QWidget* parent, AppState& state, ChannelGrid& grid,
                                            const ChannelSelection& selection);

}  // namespace q7
