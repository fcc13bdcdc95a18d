#include "foundation/ui/cell_drop_down.h"

#include <QComboBox>

#include "foundation/ui/wheel_guard.h"

namespace q7 {
namespace {

constexpr char kPicked[] = "q7Picked";

}  // namespace

QComboBox* makeCellDropDown(QWidget* parent, const QStringList& items) {
  auto* box = new QComboBox(parent);
  box->addItems(items);
  guardWheel(box, WheelTurns::Never);
  // `activated` is the user's choice (from the drop-down or with the keys);
  // setting the shown value raises only `currentIndexChanged`.
  QObject::connect(box, &QComboBox::activated, box, [box] { box->setProperty(kPicked, true); });
  return box;
}

void showCellValue(QComboBox* box, const QString& value) {
  box->setCurrentIndex(box->findText(value));
  box->setProperty(kPicked, false);
}

std::optional<QString> pickedEntry(const QComboBox* box) {
  if (!box->property(kPicked).toBool() || box->currentIndex() < 0) return std::nullopt;
  return box->currentText();
}

}  // namespace q7
