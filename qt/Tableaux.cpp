#include "Tableaux.hpp"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>

#include "Accessibles.hpp"

namespace orbalide {
namespace {

const QColor kFondInvalide{255, 222, 222}, kTexteInvalide{160, 0, 0}, kTexteFait{90, 90, 90};

// The editor of a cell: a text box as the program's others are, for screen readers too.
class DelegueChamp : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex&) const override {
    auto* champ = new Champ(parent);
    champ->setFrame(false);
    return champ;
  }
};

}  // namespace

ModeleTable::ModeleTable(const Table& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int ModeleTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int ModeleTable::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.Columns.size());
}

QVariant ModeleTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= table_.RowCount()) return {};
  const Cell& cell = table_.At(index.row(), index.column());
  const bool invalide = cell.Marked == Mark::Invalid, fait = cell.Marked == Mark::Made;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(cell.Text);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
      return cell.Reason.empty() ? QVariant() : QString::fromStdString(cell.Reason);
    case Qt::TextAlignmentRole:
      return table_.Columns[static_cast<std::size_t>(index.column())].Numeric
                 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                 : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
      return invalide ? QBrush(kFondInvalide) : QVariant();
    case Qt::ForegroundRole:
      return invalide ? QBrush(kTexteInvalide) : fait ? QBrush(kTexteFait) : QVariant();
    case Qt::FontRole: {
      if (!fait) return {};
      QFont font;
      font.setItalic(true);
      return font;
    }
    case Qt::DecorationRole:
      return invalide ? QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)
                      : QVariant();
    default:
      return {};
  }
}

QVariant ModeleTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal) {
    return section < static_cast<int>(table_.Columns.size())
               ? QString::fromStdString(table_.Columns[static_cast<std::size_t>(section)].Header)
               : QVariant();
  }
  return section < table_.RowCount()
             ? QString::fromStdString(table_.Rows()[static_cast<std::size_t>(section)].Header)
             : QVariant();
}

Qt::ItemFlags ModeleTable::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && table_.Columns[static_cast<std::size_t>(index.column())].Editable)
    f |= Qt::ItemIsEditable;
  return f;
}

bool ModeleTable::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  emit Edite(index.row(), index.column(), value.toString());
  return true;
}

// Rows come and go at the end, so that the cell the user stands on stays where it is; every
// cell is then drawn again, as few as the view shows.
bool ModeleTable::Synchroniser() {
  std::vector<std::string> headers;
  for (const Column& c : table_.Columns) headers.push_back(c.Header);
  if (headers != headers_) {
    headers_ = std::move(headers);
    emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(headers_.size()) - 1);
  }
  if (version_ == table_.Version()) return false;
  version_ = table_.Version();
  const int now = table_.RowCount();
  if (now > rows_) {
    beginInsertRows({}, rows_, now - 1);
    rows_ = now;
    endInsertRows();
  } else if (now < rows_) {
    beginRemoveRows({}, now, rows_ - 1);
    rows_ = now;
    endRemoveRows();
  }
  if (rows_ > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, columnCount({}) - 1));
    emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
  }
  return true;
}

Grille::Grille(const Table& table, QWidget* parent)
    : QTableView(parent), modele_(new ModeleTable(table, this)) {
  setModel(modele_);
  setItemDelegate(new DelegueChamp(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(false);  // Tab goes on to the window's next control
  setWordWrap(false);
  setAlternatingRowColors(true);
  horizontalHeader()->setStretchLastSection(true);
  // Long headers on two lines, so that a column is as wide as its figures.
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
  horizontalHeader()->setTextElideMode(Qt::ElideNone);
  horizontalHeader()->setMinimumHeight(2 * fontMetrics().height() + 6);
  verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  const bool editable = std::any_of(table.Columns.begin(), table.Columns.end(),
                                    [](const Column& c) { return c.Editable; });
  setEditTriggers(editable ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed
                           : QAbstractItemView::NoEditTriggers);
}

void Grille::Elargir(int colonne, int largeur) {
  setColumnWidth(colonne, std::max(largeur, sizeHintForColumn(colonne)));
}

}  // namespace orbalide
