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

namespace {

void Field(std::string& csv, std::string_view field, char separator) {
  const bool edges = !field.empty() && (field.front() == ' ' || field.back() == ' ');
  if (!edges && field.find_first_of(std::string("\"\r\n") + separator) == std::string_view::npos) {
    csv += field;
    return;
  }
  csv += '"';
  for (const char c : field) csv += c == '"' ? std::string("\"\"") : std::string(1, c);
  csv += '"';
}

}  // namespace

std::string TexteCsv(const Table& table, char separator) {
  std::string csv;
  Field(csv, table.RowsHeader, separator);
  for (const Column& c : table.Columns) {
    csv += separator;
    Field(csv, c.Header, separator);
  }
  csv += "\r\n";
  for (const Row& row : table.Rows()) {
    Field(csv, row.Header, separator);
    for (const Cell& c : row.Cells) {
      csv += separator;
      Field(csv, c.Text, separator);
    }
    csv += "\r\n";
  }
  return csv;
}

}  // namespace orbalide
