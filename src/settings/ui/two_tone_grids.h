#pragma once
// The two grids of the two-tone records (vsfgGridTwoTone(0) for records 1-8,
// vsfgGridTwoTone(1) for records 9-16), drawn from the option model's cell
// controls. A finished cell edit goes to the model, whose AfterEdit handler
// validates and stores the whole table; the grids then show the cells as the
// model holds them.
#include <QObject>
#include <array>
#include <map>
#include <string>

#include "settings/option_pages.h"
#include "settings/two_tone.h"

class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace q7 {

class TwoToneGrids : public QObject {
  Q_OBJECT
 public:
  // Makes both grids inside `parent` (modTwoTone's grid set-up for the language).
  TwoToneGrids(OptionPages& pages, QWidget* parent);

  QTableWidget* grid(int index) const { return grids_.at(static_cast<std::size_t>(index)); }
  // Shows a cell control's text if it is one of the grids' cells.
  void show(const std::string& control);
  void showAll();

 private:
  struct CellPlace {
    int grid;
    int row;
    int column;
  };
  QTableWidget* makeGrid(int index, QWidget* parent);
  void cellEdited(int index, int row, int column);

  OptionPages& pages_;
  std::array<QTableWidget*, kTwoToneGrids> grids_{};
  std::map<std::string, CellPlace> cells_;
  bool showing_ = false;
};

}  // namespace q7
