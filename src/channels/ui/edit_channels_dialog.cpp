#include "channels/ui/edit_channels_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "channels/row_caption_rows.h"
#include "channels/ui/ok_cancel_buttons.h"
#include "foundation/ui/qt_text.h"

namespace q7 {
namespace {

bool isFrequency(int column) {
  return column == col::kRx || column == col::kTx;
}

bool isTone(int column) {
  return column == col::kRxTone || column == col::kTxTone;
}

// What a list field offers after its first entry, "unchanged".
std::vector<std::string> choices(const ChannelGrid& grid, int column) {
  if (isTone(column)) return grid.tones().list();
  return grid.layout().at(column).dropList();
}

QString channelList(const ChannelSelection& selection) {
  QStringList numbers;
  for (const int n : selection) numbers << QString::number(n);
  return numbers.join(", ");
}

}  // namespace

EditChannelsDialog::EditChannelsDialog(const AppState& state, const ChannelGrid& grid,
                                       const ChannelSelection& selection, QWidget* parent)
    : QDialog(parent),
      state_(state),
      grid_(grid),
      fields_(static_cast<std::size_t>(grid.columns()) + 1, nullptr),
      problem_(new QLabel(this)) {
  setObjectName("frmEditChannels");
  setWindowTitle(qs(state.caption(row::kEditSelectedChannels)));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(qs(state.caption(row::kSelectedChannels)), new QLabel(channelList(selection)));
  for (int c = col::kRx; c <= grid.columns(); ++c) {
    if (c == col::kName) continue;
    QWidget* field = isFrequency(c) ? makeFrequencyField() : makeListField(c);
    field->setObjectName(QString("field%1").arg(c));
    fields_[static_cast<std::size_t>(c)] = field;
    form->addRow(qs(grid.layout().captions.at(static_cast<std::size_t>(c))), field);
  }
  layout->addWidget(new QLabel(qs(state.caption(row::kOnlyChangedFields))));
  layout->addLayout(form);
  problem_->setObjectName("lblProblem");
  layout->addWidget(problem_);
  auto* buttons = okCancelButtons(this, state);
  connect(buttons, &QDialogButtonBox::accepted, this, &EditChannelsDialog::acceptIfReadable);
  layout->addWidget(buttons);
}

QWidget* EditChannelsDialog::makeFrequencyField() {
  auto* edit = new QLineEdit(this);
  edit->setPlaceholderText(qs(state_.caption(row::kUnchanged)));
  return edit;
}

QWidget* EditChannelsDialog::makeListField(int column) {
  auto* box = new QComboBox(this);
  box->addItem(qs(state_.caption(row::kUnchanged)));
  for (const std::string& item : choices(grid_, column)) box->addItem(qs(item));
  return box;
}

QWidget* EditChannelsDialog::field(int column) const {
  if (column < 0 || column >= static_cast<int>(fields_.size())) return nullptr;
  return fields_[static_cast<std::size_t>(column)];
}

std::optional<ColumnEdit> EditChannelsDialog::columnEdit() const {
  ColumnEdit edit;
  for (int c = col::kRx; c < static_cast<int>(fields_.size()); ++c) {
    if (const auto* text = qobject_cast<const QLineEdit*>(field(c))) {
      const std::string typed = ss(text->text().trimmed());
      if (typed.empty()) continue;
      const auto frequency = parseMegahertz(typed);
      if (!frequency) return std::nullopt;
      (c == col::kRx ? edit.values.rx : edit.values.tx) = *frequency;
    } else if (const auto* box = qobject_cast<const QComboBox*>(field(c))) {
      const int position = box->currentIndex() - 1;
      if (position < 0) continue;
      const std::string chosen = ss(box->currentText());
      if (c == col::kRxTone) edit.values.rxTone = chosen;
      if (c == col::kTxTone) edit.values.txTone = chosen;
      if (isOptionColumn(c)) edit.values.options[static_cast<std::size_t>(c)] = position;
    } else {
      continue;
    }
    edit.columns.push_back(c);
  }
  return edit;
}

// A frequency the dialog cannot read keeps it open with the text named.
void EditChannelsDialog::acceptIfReadable() {
  for (const int c : {col::kRx, col::kTx}) {
    const auto* text = qobject_cast<const QLineEdit*>(field(c));
    const QString typed = text ? text->text().trimmed() : QString();
    if (!typed.isEmpty() && !parseMegahertz(ss(typed))) {
      problem_->setText(typed + " " + qs(state_.caption(row::kNotAFrequency)));
      return;
    }
  }
  accept();
}

std::optional<RowEdit> editSelectedChannels(QWidget* parent, AppState& state, ChannelGrid& grid,
                                            const ChannelSelection& selection) {
  if (auto refused = selectionRefusal(state, grid, selection)) return refused;
  EditChannelsDialog dialog(state, grid, selection, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const auto edit = dialog.columnEdit();
  if (!edit || edit->columns.empty()) return std::nullopt;
  return applyColumns(state, grid, selection, *edit);
}

}  // namespace q7
