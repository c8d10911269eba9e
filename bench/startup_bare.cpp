// A bare Qt window that does the same: one window with a menu and a text box, shown, then quit.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("Menu");
  window.setCentralWidget(new QLineEdit);
  window.show();
  QTimer::singleShot(0, &application, &QApplication::quit);
  return QApplication::exec();
}
