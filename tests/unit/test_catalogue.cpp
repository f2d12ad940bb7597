#include <gtest/gtest.h>

#include <set>
#include <string>

#include "books/catalogue.h"
#include "res/resource.h"

namespace vodari {
namespace {

TEST(Catalogue, EveryBookHasItsOwnCommandFileAndCaption) {
  std::set<int> ids;
  std::set<std::string> files, captions;
  std::set<int> mainWindow;  // the books the settings panel leaves to the main window
  for (const CatalogueBook& book : Catalogue()) {
    if (book.settingsRole == SettingsRole::kMainWindow) mainWindow.insert(book.menuId);
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
  EXPECT_EQ(mainWindow, (std::set<int>{32816, 32780}));
  // Commands near the books' that are not books.
  for (int id : {ID_TOGGLE_MAIN_WINDOW, ID_SHOW_MAIN_WINDOW, ID_INTERVAL_1, ID_INTERVAL_9, 32791})
    EXPECT_EQ(FindCatalogueBook(id), nullptr) << id;
}

}  // namespace
}  // namespace vodari
