#include "channels/ui/ok_cancel_buttons.h"

#include <QDialog>
#include <QPushButton>

#include "channels/channel_caption_rows.h"
#include "foundation/ui/qt_text.h"

namespace q7 {

QDialogButtonBox* okCancelButtons(QDialog* dialog, const AppState& state) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(qs(state.caption(row::kOk)));
  buttons->button(QDialogButtonBox::Cancel)->setText(qs(state.caption(row::kCancel)));
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace q7
