#pragma once
// The channel grid as a Qt table model over ChannelGrid: model row r is
// channel r + 1, model column c the grid column c + 1 (the channel numbers
// are the vertical header). It shows what ChannelGrid holds and changes
// nothing itself; after each event the window calls refresh(), which
// announces exactly the cells whose text or colour changed.
#include <QAbstractTableModel>
#include <QColor>
#include <vector>

#include "channels/channel_grid.h"
#include "foundation/app_state.h"

namespace q7 {

enum ChannelGridRole : int {
  kDropListRole = Qt::UserRole,  // QStringList: an option column's in-cell list
  kFormatRole,                   // QString: the column's number format
  kOutOfBandRole,                // bool: a frequency outside the band
  kHighlightRole,                // bool: the row the user is working on
  kToneCellRole,                 // bool: edited through the tone box
};

class ChannelGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  ChannelGridModel(const ChannelGrid& grid, const AppState& state, QObject* parent = nullptr);

  // The grid was laid out anew (rows, columns, captions).
  void reshape();
  // Announces the cells that changed since the last look.
  void refresh();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  // What a cell shows, to find the cells that changed.
  struct Shown {
    std::string text;
    QColor background;
    bool operator==(const Shown&) const = default;
  };
  Shown shown(int row, int column) const;
  QColor background(int row, int column) const;

  const ChannelGrid& grid_;
  const AppState& state_;
  int rows_ = 0;
  int columns_ = 0;
  std::vector<std::vector<Shown>> last_;
};

}  // namespace q7
