// The calculator's own start, then quit as soon as the window is first shown.
#include <QApplication>
#include <QTimer>

#include "FormFormules.hpp"
#include "PlateformeQt.hpp"
#include "Polices.hpp"
#include "apropos.hpp"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  orbalide::SubstituerPolices();
  orbalide::PlateformeQt platform;
  orbalide::Apropos apropos(platform);
  orbalide::FormFormules window(platform, apropos);
  window.Form_Load();
  platform.SynchroniserTout();
  QTimer::singleShot(0, &application, &QApplication::quit);
  return QApplication::exec();
}
