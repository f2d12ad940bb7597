#include <gtest/gtest.h>

#include <set>
#include <string>

#include "books/catalogue.h"
#include "res/resource.h"

namespace vodari {
namespace {

TEST(Catalogue, EveryBookHasItsOwnCommandAndFileAndIsFoundByItsCommand) {
  std::set<int> ids;
  std::set<std::string> files;
  for (const CatalogueBook& book : Catalogue()) {
    EXPECT_TRUE(book.menuId >= ID_FIRST_BOOK_COMMAND && book.menuId <= ID_LAST_BOOK_COMMAND);
    EXPECT_TRUE(ids.insert(book.menuId).second && files.insert(book.file).second) << book.file;
    EXPECT_EQ(FindCatalogueBook(book.menuId), &book);
  }
  // Commands near the books' that are not books.
  for (int id : {ID_TOGGLE_MAIN_WINDOW, ID_SHOW_MAIN_WINDOW, ID_INTERVAL_1, ID_INTERVAL_9, 32791})
    EXPECT_EQ(FindCatalogueBook(id), nullptr) << id;
}

}  // namespace
}  // namespace vodari
