#include <QApplication>

#include "Programme.hpp"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  orbalide::Programme programme;
  return QApplication::exec();
}
