// book_checker: checks Vodari word books, or makes one from a UTF-8 table.
#include <iostream>
#include <string>
#include <vector>

#include "book_checker/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return vodari::book_checker::RunBookChecker(args, std::cout, std::cerr);
}
