// A table of text cells in rows under a header for each column, with a current cell, as lists of
// records and spreadsheets show them. The program writes the rows; the user moves the current
// cell and, in the columns that allow it, edits a cell's text, which the table hands to its Edit
// handler rather than writing: the window decides what its rows become.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Controles.hpp"

namespace orbalide {

// How a cell stands out from the others: a text that cannot be taken, or one the program made
// rather than the user gave.
enum class Mark { None, Invalid, Made };

struct Cell {
  std::string Text;
  Mark Marked = Mark::None;
  std::string Reason{};  // why it is marked, in words: its tooltip and what readers hear with it
  friend bool operator==(const Cell&, const Cell&) = default;
};

struct Row {
  std::string Header;  // shown before the row, as its number
  std::vector<Cell> Cells;
  friend bool operator==(const Row&, const Row&) = default;
};

struct Column {
  std::string Header;  // shown above the column, and what readers say with each of its cells
  int Width;           // twips
  bool Editable = false;
  bool Numeric = false;  // aligned right, as figures are
};

class Table;

// The table as CSV text (RFC 4180) of fields separated by `separator`: a line of its headers,
// then a line a row, each starting with the row's header; a field is quoted where it holds the
// separator, a quote or a line break, or blanks around it. Lines end with CR LF.
std::string TexteCsv(const Table& table, char separator);

class Table : public Control {
 public:
  Table(Form& form, std::string_view name);

  std::vector<Column> Columns;
  std::string RowsHeader;  // what the rows' headers are: "Leg"

  int RowCount() const { return static_cast<int>(rows_.size()); }
  const std::vector<Row>& Rows() const { return rows_; }
  const Cell& At(int row, int column) const;
  // Writes the rows (a row holds a cell for each column); the current cell stays where it was,
  // within the new rows.
  void SetRows(std::vector<Row> rows);
  // Grows at every write of the rows, so a view can tell new rows from those it shows.
  int Version() const { return version_; }

  // The current cell: row and column from 0; the row is −1 while the table has none.
  int CurrentRow() const { return currentRow_; }
  int CurrentColumn() const { return currentColumn_; }
  // Moves the current cell, within the rows and the columns.
  void SetCurrent(int row, int column);

  // The text the user gave a cell of an editable column, with the cell's row and column.
  std::function<void(int row, int column, const std::string& text)> Edit;
  // The user moved the current cell.
  std::function<void()> CurrentChange;

 private:
  std::vector<Row> rows_;
  int currentRow_ = -1, currentColumn_ = 0, version_ = 0;
};

}  // namespace orbalide
