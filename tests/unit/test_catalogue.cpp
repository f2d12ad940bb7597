#include <gtest/gtest.h>

#include <set>
#include <string>

#include "books/catalogue.h"
#include "res/resource.h"

namespace vodari {
namespace {

TEST(Catalogue, EveryBookHasItsOwnCommandAndFile) {
  std::set<int> ids;
  std::set<std::string> files, captions;
  for (const CatalogueBook& book : Catalogue()) {
    EXPECT_GE(book.menuId, ID_FIRST_BOOK_COMMAND);
    EXPECT_LE(book.menuId, ID_LAST_BOOK_COMMAND);
    EXPECT_EQ(std::string(book.file).rfind("books\\", 0), 0u) << book.file;
    ids.insert(book.menuId);
    files.insert(book.file);
    captions.insert(book.caption);
    EXPECT_EQ(FindCatalogueBook(book.menuId), &book);
  }
  EXPECT_EQ(ids.size(), 39u);
  EXPECT_EQ(files.size(), 39u);
  EXPECT_EQ(captions.size(), 39u);
  // Commands near the books' that are not books.
  for (int id : {ID_TOGGLE_MAIN_WINDOW, ID_SHOW_MAIN_WINDOW, ID_INTERVAL_1, ID_INTERVAL_9, 32791})
    EXPECT_EQ(FindCatalogueBook(id), nullptr) << id;
}

TEST(Catalogue, OnlyTwoBooksSwitchTheMainWindowFromTheSettingsPanel) {
  std::set<int> mainWindow;
  for (const CatalogueBook& book : Catalogue())
    if (book.settingsRole == SettingsRole::kMainWindow) mainWindow.insert(book.menuId);
  EXPECT_EQ(mainWindow, (std::set<int>{32816, 32780}));
  EXPECT_STREQ(FindCatalogueBook(32815)->file, "books\\单词本18.txt");
  EXPECT_STREQ(FindCatalogueBook(32776)->file, "books\\考研单词表.txt");
}

}  // namespace
}  // namespace vodari
