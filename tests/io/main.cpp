#include <gtest/gtest.h>

#include <QCoreApplication>

// The tests of serial ports and Qt timers need an application object for their event loop.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  QCoreApplication aplikacja(argc, argv);
  return RUN_ALL_TESTS();
}
