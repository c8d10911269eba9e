#include "Ajustement.hpp"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace orbalide {
namespace {

// The room a text takes in the frame at a font, words wrapped within the width for a label.
QSize Etendue(const Cadre& cadre, const QFont& font, const QString& text) {
  const QFontMetrics m(font);
  if (cadre.Lignes) {
    return m.boundingRect(QRect(0, 0, cadre.Taille.width(), 100000), Qt::TextWordWrap, text).size();
  }
  return {m.horizontalAdvance(text) + cadre.Marge, m.height()};
}

bool Tient(const Cadre& cadre, const QSize& needed) {
  return needed.width() <= cadre.Taille.width() &&
         (!cadre.Lignes || needed.height() <= cadre.Taille.height());
}

}  // namespace

Cadre CadreDe(const QWidget& w) {
  Cadre cadre{w.size()};
  if (qobject_cast<const QLabel*>(&w) != nullptr) cadre.Lignes = true;
  if (qobject_cast<const QLineEdit*>(&w) != nullptr) cadre.Marge = 8;
  if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) {
    cadre.Marge = (b->icon().isNull() ? 0 : b->iconSize().width() + 6) +
                  (qobject_cast<const QRadioButton*>(&w) != nullptr ? 22 : 10);
  }
  if (qobject_cast<const QGroupBox*>(&w) != nullptr) cadre.Marge = 18;
  return cadre;
}

// On one line the text's width grows with the point size, so one measure at the given size
// settles it, with a little room for the rounding of glyphs (the margin beside it stays); a label
// of several lines is measured again at each size down from a first guess. Remembered for the
// frames of the same size that show the same text ("min" and "sec" stand six times each).
QFont Ajuster(QFont font, const Cadre& cadre, const QString& text) {
  using Cle = std::tuple<QString, int, int, int, bool, QString>;
  static std::map<Cle, QFont> connues;
  const Cle cle{font.key(),  cadre.Taille.width(), cadre.Taille.height(),
                cadre.Marge, cadre.Lignes,         text};
  if (const auto found = connues.find(cle); found != connues.end()) return found->second;
  constexpr double kQuart = 0.25, kPlusPetite = 5, kArrondi = 0.97;
  const auto quarts = [&](double echelle) {
    return std::max(std::floor(font.pointSizeF() * std::min(echelle, 1.0) / kQuart) * kQuart,
                    kPlusPetite);
  };
  const QFontMetrics m(font);
  const int largeur = cadre.Taille.width(), hauteur = cadre.Taille.height();
  if (!cadre.Lignes || 2 * m.height() > hauteur) {  // a single line of text
    const int texte = cadre.Lignes ? m.boundingRect(QRect(0, 0, 100000, 1000), 0, text).width()
                                   : m.horizontalAdvance(text);
    const double haut = cadre.Lignes ? static_cast<double>(hauteur) / m.height() : 1;
    const double echelle = std::min(static_cast<double>(largeur - cadre.Marge) / texte, haut);
    if (echelle < 1) font.setPointSizeF(quarts(kArrondi * echelle));
  } else if (const QSize needed = Etendue(cadre, font, text); !Tient(cadre, needed)) {
    const double echelle = std::min(static_cast<double>(largeur) / needed.width(),
                                    std::sqrt(static_cast<double>(hauteur) / needed.height()));
    for (double points = quarts(echelle);; points -= kQuart) {
      font.setPointSizeF(std::max(points, kPlusPetite));
      if (points <= kPlusPetite || Tient(cadre, Etendue(cadre, font, text))) break;
    }
  }
  return connues[cle] = font;
}

}  // namespace orbalide
