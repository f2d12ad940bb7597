// The book_checker command: argument handling, file reading and writing, and
// the printed report. main() only forwards to RunBookChecker.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vodari::book_checker {

// Exit status: 0 clean, 1 errors (or warnings with --werror), 2 a usage
// error or a file that cannot be read or written.
int RunBookChecker(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vodari::book_checker
