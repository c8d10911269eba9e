#include "Tableau.hpp"

#include <algorithm>

namespace orbalide {

Table::Table(Form& form, std::string_view name) : Control(form, Kind::Table, name) {
  TabStop = true;
}

const Cell& Table::At(int row, int column) const {
  return rows_.at(static_cast<std::size_t>(row)).Cells.at(static_cast<std::size_t>(column));
}

void Table::SetRows(std::vector<Row> rows) {
  rows_ = std::move(rows);
  ++version_;
  SetCurrent(currentRow_, currentColumn_);
}

void Table::SetCurrent(int row, int column) {
  const int last = static_cast<int>(Columns.size()) - 1;
  currentRow_ = rows_.empty() ? -1 : std::clamp(row, 0, RowCount() - 1);
  currentColumn_ = std::clamp(column, 0, std::max(last, 0));
}

}  // namespace orbalide
