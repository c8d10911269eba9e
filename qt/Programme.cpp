#include "Programme.hpp"

#include <QGuiApplication>

#include "Distribution.hpp"

namespace orbalide {

Programme::Programme() {
  // Lets the desktop match the windows with the installed entry and icon.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(kIdentifiant.data(), kIdentifiant.size()));
  fenetre_.Form_Load();
  platform_.SynchroniserTout();
}

}  // namespace orbalide
