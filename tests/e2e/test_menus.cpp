// The menus compiled into Vodari.exe carry the catalogue's books, ids and
// captions in its order, and the main menus their commands.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "books/catalogue.h"
#include "res/resource.h"
#include "vodari_process.h"

namespace vodari::e2e {
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

TEST_F(MenuTest, BookMenuIsTheCatalogue) {
  EXPECT_EQ(Load(IDR_BOOK_MENU), CatalogueLines("选择字典/", false));
}

TEST_F(MenuTest, MenuBarHoldsTheMainCommandsAndTheCatalogue) {
  MenuLines bar = Load(IDR_MENU_BAR);
  EXPECT_EQ(Under(bar, "主菜单/"),
            (MenuLines{"主菜单/开始测试=1013", "主菜单/结束测试=1014", "主菜单/开始背诵=1040",
                       "主菜单/系统设置=1016", "主菜单/单词查询=1017", "主菜单/最  大  化=32775",
                       "主菜单/退        出=2"}));
  EXPECT_EQ(Under(bar, "选择字典/"), CatalogueLines("选择字典/", false));
  EXPECT_EQ(Under(bar, "介绍/"), (MenuLines{"介绍/关于Tavimo...=1015"}));
  EXPECT_EQ(bar.size(), 7u + kCatalogueSize + 1u);
}

TEST_F(MenuTest, PopupMenuSwapsTheSixthBandBooks) {
  MenuLines popup = Load(IDR_MAIN_POPUP_MENU);
  MenuLines expected = {"主菜单/-", "主菜单/介        绍=1015"};
  for (const std::string& line : CatalogueLines("主菜单/选择字典/", true)) expected.push_back(line);
  for (const char* line : {"主菜单/开始测试=1013", "主菜单/结束测试=1014", "主菜单/开始背诵=1040",
                           "主菜单/系统设置=1016", "主菜单/单词查询=1017",
                           "主菜单/最  大  化=32775", "主菜单/退        出=2"})
    expected.push_back(line);
  EXPECT_EQ(popup, expected);
}

TEST_F(MenuTest, StripMenuHasTheIntervalsWithTheirOddIds) {
  MenuLines strip = Load(IDR_STRIP_MENU);
  MenuLines expected = {"菜单/弹出主窗口=32782"};
  const int ids[] = {32783, 32784, 32785, 32786, 32787, 32788, 32789, 32790, 32793, 32792};
  for (int n = 1; n <= 10; ++n)
    expected.push_back("菜单/背记速度(秒)/" + std::to_string(n) + "=" + std::to_string(ids[n - 1]));
  EXPECT_EQ(strip, expected);
}

TEST_F(MenuTest, SystemMenuTextAndIcon) {
  char text[128] = {};
  ::LoadStringA(module, IDS_ABOUT_ITEM, text, sizeof text);
  EXPECT_STREQ(text, "关于Vodari(&A)...");
  EXPECT_NE(::FindResourceA(module, MAKEINTRESOURCEA(IDI_MAIN), RT_GROUP_ICON), nullptr);
}

}  // namespace
}  // namespace vodari::e2e
