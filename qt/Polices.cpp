#include "Polices.hpp"

#include <QFontDatabase>
#include <QString>
#include <QStringList>
#include <map>
#include <tuple>

namespace orbalide {
namespace {

QString Famille(std::string_view nom) {
  static std::map<std::string_view, QString> familles;
  const auto found = familles.find(nom);
  if (found != familles.end()) return found->second;
  const QString famille = QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size()));
  const bool serif = nom == "MS Serif";
  // The installed families: hasFamily() would ask fontconfig for an alias of each missing one.
  static const QStringList installees = QFontDatabase::families();
  return familles[nom] = installees.contains(famille) ? famille
                         : serif                      ? "Liberation Serif"
                                                      : "Liberation Sans";
}

}  // namespace

QFont Police(const Font& f) {
  static std::map<std::tuple<std::string_view, double, bool, bool>, QFont> polices;
  const auto key = std::tuple(f.Name, f.Points, f.Bold, f.Underline);
  if (const auto found = polices.find(key); found != polices.end()) return found->second;
  QFont font(Famille(f.Name));
  font.setPointSizeF(f.Points);
  font.setBold(f.Bold);
  font.setUnderline(f.Underline);
  return polices[key] = font;
}

}  // namespace orbalide
