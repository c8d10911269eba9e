#include "Programme.hpp"

#include <QGuiApplication>

#include "Distribution.hpp"

namespace orbalide {

Programme::Programme() {
  // Lets the desktop match the windows with the installed entry and icon.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(kIdentifiant.data(), kIdentifiant.size()));
  fenetre_.Form_Load();
  std::vector<std::string> arguments;
  for (const QString& a : QCoreApplication::arguments().mid(1))
    arguments.push_back(a.toStdString());
  fenetre_.OuvrirArguments(arguments);
  platform_.SynchroniserTout();
}

}  // namespace orbalide
