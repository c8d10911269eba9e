// The calculator's own start, then quit as soon as the window is first shown.
#include <QApplication>
#include <QTimer>

#include "Programme.hpp"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  orbalide::Programme programme;
  QTimer::singleShot(0, &application, &QApplication::quit);
  return QApplication::exec();
}
