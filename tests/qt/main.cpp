// The Qt suites run offscreen, on a screen large enough at twice the scale: the platform is chosen
// before the application exists, which CTest's discovery also needs when it lists the tests.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORBALIDE_ECRAN);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
