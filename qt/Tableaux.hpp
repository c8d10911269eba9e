// A table of a window model as Qt's model/view draws it: the rows handed to a QTableView, the
// cells a user edits handed back to the window.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <vector>

#include "Tableau.hpp"

namespace orbalide {

class ModeleTable : public QAbstractTableModel {
  Q_OBJECT

 public:
  ModeleTable(const Table& table, QObject* parent);

  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A cell's text given by the user goes to the window as the signal Edite: the rows it then
  // writes are shown at the next Synchroniser.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // Brings what the view shows up to the table: its rows and its headers. True when the rows
  // were written again.
  bool Synchroniser();

 signals:
  void Edite(int row, int column, const QString& text);

 private:
  const Table& table_;
  int rows_ = 0, version_ = -1;
  std::vector<std::string> headers_;
};

// The view of a table; its cells are edited in the program's own text boxes.
class Grille : public QTableView {
  Q_OBJECT

 public:
  Grille(const Table& table, QWidget* parent);
  ModeleTable& Modele() const { return *modele_; }
  // The column as wide as the table gives it (pixels), or as its widest cell in view.
  void Elargir(int colonne, int largeur);

 private:
  ModeleTable* modele_;
};

}  // namespace orbalide
