#include "Polices.hpp"

#include <QFont>
#include <QStringList>

namespace orbalide {

void SubstituerPolices() {
  QFont::insertSubstitutions("Arial", QStringList{"Liberation Sans", "Arimo"});
  QFont::insertSubstitutions("MS Sans Serif", QStringList{"Liberation Sans", "Arimo"});
  QFont::insertSubstitutions("MS Serif", QStringList{"Liberation Serif", "Tinos"});
  QFont::insertSubstitutions("Comic Sans MS", QStringList{"Liberation Sans", "Arimo"});
}

}  // namespace orbalide
