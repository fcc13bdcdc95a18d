#pragma once
// Edit Selected Channels: one dialog with a field for every grid column (the
// frequencies, the two tone boxes with the tone list, each option column's
// list). Every field starts "unchanged"; on OK only the columns the user
// changed are applied to every selected channel (applyColumns).
#include <QDialog>
#include <optional>

#include "channels/channel_rows.h"

class QComboBox;
class QLineEdit;

namespace q7 {

class EditChannelsDialog : public QDialog {
  Q_OBJECT
 public:
  EditChannelsDialog(const AppState& state, const ChannelGrid& grid, QWidget* parent = nullptr);

  // The columns changed so far and their values.
  ColumnEdit columnEdit() const;
  // The field of grid column c (a QLineEdit for the frequencies, a QComboBox
  // otherwise); null for a column the dialog does not show.
  QWidget* field(int column) const;

 private:
  const ChannelGrid& grid_;
  std::vector<QWidget*> fields_;  // by grid column
};

// Shows the dialog for `selection` and applies what the user changed; nullopt
// when cancelled or nothing was changed. Locked, or with no channel selected,
// nothing opens and the refusal comes back with its reason.
std::optional<RowEdit> editSelectedChannels(QWidget* parent, AppState& state, ChannelGrid& grid,
                                            const ChannelSelection& selection);

}  // namespace q7
