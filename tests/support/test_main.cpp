// The main function of the test programs without windows.

#include <gtest/gtest.h>

#include "support/test_isolation.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  zt6::test_support::InstallTestIsolation();
  return RUN_ALL_TESTS();
}
