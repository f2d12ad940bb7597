// The three book menus compiled into Vodari.exe carry the catalogue's books,
// ids and captions in its order: the menus and the catalogue table are two
// copies of one list that must not drift apart.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "books/catalogue.h"
#include "res/resource.h"
#include "vodari_process.h"

namespace vodari::e2e {
using namespace remote;
namespace {

// One line per menu item: "<pop-up caption>/<item caption>=<id>".
using MenuLines = std::vector<std::string>;

std::string ItemText(HMENU menu, int position) {
  char text[256] = {};
  ::GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

// Flattens a menu: items of sub-menus are prefixed with the sub-menu's
// caption; separators read "-".
void Flatten(HMENU menu, const std::string& prefix, MenuLines& lines) {
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    ::GetMenuItemInfoA(menu, i, TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      lines.push_back(prefix + "-");
    } else if (info.hSubMenu) {
      Flatten(info.hSubMenu, prefix + ItemText(menu, i) + "/", lines);
    } else {
      lines.push_back(prefix + ItemText(menu, i) + "=" + std::to_string(info.wID));
    }
  }
}

MenuLines CatalogueLines(const std::string& prefix, bool sixthBandSwapped) {
  MenuLines lines;
  for (const CatalogueBook& book : Catalogue()) {
    std::string sub = book.subMenu ? std::string(book.subMenu) + "/" : "";
    lines.push_back(prefix + sub + book.caption + "=" + std::to_string(book.menuId));
  }
  if (sixthBandSwapped) {
    // 大学英语六级词组 stands before 大学英语六级词汇 in the main pop-up menu.
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      if (lines[i].find("=32814") != std::string::npos) {
        std::swap(lines[i], lines[i + 1]);
        break;
      }
    }
  }
  return lines;
}

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module = ::LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << ProgramPath();
  }
  void TearDown() override {
    if (module) ::FreeLibrary(module);
  }
  MenuLines Load(int id) {
    MenuLines lines;
    HMENU menu = ::LoadMenuA(module, MAKEINTRESOURCEA(id));
    EXPECT_NE(menu, nullptr) << id;
    if (menu) {
      Flatten(menu, "", lines);
      ::DestroyMenu(menu);
    }
    return lines;
  }
  HMODULE module = nullptr;
};

// Items of `lines` whose prefix is `prefix`.
MenuLines Under(const MenuLines& lines, const std::string& prefix) {
  MenuLines out;
  for (const std::string& line : lines)
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  return out;
}

TEST_F(MenuTest, BookMenusAreTheCatalogue) {
  EXPECT_EQ(Load(IDR_BOOK_MENU), CatalogueLines("选择字典/", false));
  EXPECT_EQ(Under(Load(IDR_MENU_BAR), "选择字典/"), CatalogueLines("选择字典/", false));
  EXPECT_EQ(Under(Load(IDR_MAIN_POPUP_MENU), "主菜单/选择字典/"),
            CatalogueLines("主菜单/选择字典/", true));
}

}  // namespace
}  // namespace vodari::e2e
