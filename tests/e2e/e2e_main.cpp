// The end-to-end suite is given the program under test on its command line:
//   vodari_e2e_tests --vodari=<path of Vodari.exe>
#include <gtest/gtest.h>

#include <cstring>

#include "vodari_process.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--vodari=", 9) == 0) vodari::remote::SetProgramPath(argv[i] + 9);
  return RUN_ALL_TESTS();
}
