#include "channels/ui/channel_grid_model.h"

#include "foundation/ui/qt_text.h"

namespace q7 {
namespace {

const QColor kHighlightRow(194, 121, 240);

// Colour numbers of the settings file are stored blue-green-red.
QColor settingColour(long bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

bool isToneColumn(int column) {
  return column == col::kRxTone || column == col::kTxTone;
}

}  // namespace

ChannelGridModel::ChannelGridModel(const ChannelGrid& grid, const AppState& state, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), state_(state) {}

void ChannelGridModel::reshape() {
  beginResetModel();
  rows_ = grid_.rows();
  columns_ = grid_.columns();
  last_.assign(rows_, std::vector<Shown>(columns_));
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < columns_; ++c) last_[r][c] = shown(r + 1, c + 1);
  }
  endResetModel();
}

// Each run of changed cells in a row is announced as one range.
void ChannelGridModel::refresh() {
  for (int r = 0; r < rows_; ++r) {
    int first = -1;
    for (int c = 0; c <= columns_; ++c) {
      const bool changed = c < columns_ && last_[r][c] != shown(r + 1, c + 1);
      if (changed) {
        last_[r][c] = shown(r + 1, c + 1);
        if (first < 0) first = c;
      } else if (first >= 0) {
        emit dataChanged(index(r, first), index(r, c - 1));
        first = -1;
      }
    }
  }
}

ChannelGridModel::Shown ChannelGridModel::shown(int row, int column) const {
  return {grid_.cell(row, column).text, background(row, column)};
}

QColor ChannelGridModel::background(int row, int column) const {
  if (grid_.cell(row, column).outOfBand) return settingColour(state_.overColor);
  if (row == grid_.highlightRow()) return kHighlightRow;
  return settingColour(state_.defColor);
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const int row = index.row() + 1;
  const int column = index.column() + 1;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return qs(last_[index.row()][index.column()].text);
    case Qt::BackgroundRole:
      return last_[index.row()][index.column()].background;
    case Qt::TextAlignmentRole:
      return Qt::AlignCenter;
    case kDropListRole: {
      QStringList list;
      if (isOptionColumn(column)) {
        for (const std::string& item : grid_.layout().at(column).dropList()) list << qs(item);
      }
      return list;
    }
    case kFormatRole:
      return qs(grid_.layout().at(column).format());
    case kOutOfBandRole:
      return grid_.cell(row, column).outOfBand;
    case kHighlightRole:
      return row == grid_.highlightRow();
    case kToneCellRole:
      return isToneColumn(column);
    default:
      return {};
  }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::TextAlignmentRole) return Qt::AlignCenter;
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  const auto& captions = grid_.layout().captions;
  const auto at = static_cast<std::size_t>(section) + 1;
  return at < captions.size() ? qs(captions[at]) : QString();
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

}  // namespace q7
