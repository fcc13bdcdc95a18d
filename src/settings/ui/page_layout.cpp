#include "settings/ui/page_layout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace q7 {

QGridLayout* scrollingGrid(QWidget* frame) {
  auto* scroll = new QScrollArea(frame);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* content = new QWidget(scroll);
  scroll->setWidget(content);
  auto* outer = new QVBoxLayout(frame);
  outer->setContentsMargins(2, 2, 2, 2);
  outer->addWidget(scroll);
  // The grid keeps to the top left corner; the room left over stays empty.
  auto* rows = new QVBoxLayout(content);
  auto* columns = new QHBoxLayout;
  auto* grid = new QGridLayout;
  rows->addLayout(columns);
  rows->addStretch(1);
  columns->addLayout(grid);
  columns->addStretch(1);
  return grid;
}

void chainTabOrder(const std::vector<QWidget*>& order) {
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

int addControls(ControlBinder& binder, QGridLayout* grid, const std::vector<std::string>& controls,
                int columns, int row) {
  QWidget* parent = grid->parentWidget();
  int cell = 0;
  std::vector<QWidget*> checks;
  std::vector<QWidget*> ownRows;
  std::vector<QWidget*> order;  // the lists, each followed by its button
  for (const std::string& name : controls) {
    QWidget* widget = binder.widget(name, parent);
    const ControlState& state = binder.pages().control(name);
    if (state.kind == ControlKind::Check) {
      checks.push_back(widget);
    } else if (state.kind == ControlKind::Button && !state.text.empty() && cell > 0) {
      // a short button (">>") beside the list it serves
      grid->addWidget(widget, row + (cell - 1) / columns, 3 * ((cell - 1) % columns) + 2);
      order.push_back(widget);
    } else if (state.kind == ControlKind::Button) {
      ownRows.push_back(widget);
    } else {
      auto* label = new QLabel(binder.labelText(name), parent);
      label->setWordWrap(true);
      label->setBuddy(widget);
      grid->addWidget(label, row + cell / columns, 3 * (cell % columns));
      grid->addWidget(widget, row + cell / columns, 3 * (cell % columns) + 1);
      order.push_back(widget);
      ++cell;
    }
  }
  row += (cell + columns - 1) / columns;
  for (QWidget* button : ownRows) {
    grid->addWidget(button, row++, 0, 1, 3, Qt::AlignLeft);
    order.push_back(button);
  }
  for (std::size_t i = 0; i < checks.size(); ++i) {
    const int c = static_cast<int>(i);
    grid->addWidget(checks[i], row + c / columns, 3 * (c % columns), 1, 3);
    order.push_back(checks[i]);
  }
  chainTabOrder(order);
  return row + (static_cast<int>(checks.size()) + columns - 1) / columns;
}

}  // namespace q7
