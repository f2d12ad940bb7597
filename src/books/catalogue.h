// The installed word books and the menu commands that choose them. There is
// no catalogue file: this table is the link between a menu command, its
// caption and a book file. The "选择字典" menus are built with the same ids
// and captions, in the same order.
#pragma once

#include <array>

namespace vodari {

// What choosing the book in the settings panel's pop-up does: write its file
// into the path box, or pass the command on to the main window, which
// switches to the book at once.
enum class SettingsRole { kPathBox, kMainWindow };

struct CatalogueBook {
  int menuId;
  const char* subMenu;  // the pop-up inside "选择字典", or nullptr for the top level
  const char* caption;
  const char* file;
  SettingsRole settingsRole;
};

inline constexpr int kCatalogueSize = 39;

// The books in menu order.
const std::array<CatalogueBook, kCatalogueSize>& Catalogue();

// The book of a menu command, or nullptr when the id is not a book's.
const CatalogueBook* FindCatalogueBook(int menuId);

}  // namespace vodari
