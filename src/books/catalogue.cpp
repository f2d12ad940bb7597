#include "books/catalogue.h"

namespace vodari {
namespace {

constexpr SettingsRole kPath = SettingsRole::kPathBox;
constexpr SettingsRole kMain = SettingsRole::kMainWindow;

constexpr std::array<CatalogueBook, kCatalogueSize> kBooks = {{
    {32799, "小学单词", "新编小学一年级单词", "books\\单词本3.txt", kPath},
    {32798, "小学单词", "新编小学二年级单词", "books\\单词本4.txt", kPath},
    {32803, "小学单词", "新编小学三年级单词", "books\\单词本5.txt", kPath},
    {32800, "小学单词", "新编小学四年级单词", "books\\单词本6.txt", kPath},
    {32801, "小学单词", "新编小学五年级单词", "books\\单词本7.txt", kPath},
    {32802, "小学单词", "新编小学六年级单词", "books\\单词本8.txt", kPath},
    {32817, "初中英语", "新编初中第一册", "books\\单词本20.txt", kPath},
    {32818, "初中英语", "新编初中第二册", "books\\单词本21.txt", kPath},
    {32819, "初中英语", "新编初中第三册", "books\\单词本22.txt", kPath},
    {32821, "初中英语", "旧版初中英语第一册", "books\\单词本23.txt", kPath},
    {32822, "初中英语", "旧版初中英语第二册", "books\\单词本24.txt", kPath},
    {32823, "初中英语", "旧版初中英语第三册", "books\\单词本25.txt", kPath},
    {32824, "初中英语", "旧版初中英语第四册", "books\\单词本26.txt", kPath},
    {32825, "初中英语", "旧版初中英语第五册", "books\\单词本27.txt", kPath},
    {32826, "初中英语", "旧版初中英语第六册", "books\\单词本28.txt", kPath},
    {32827, "高中英语", "高中英语第一册", "books\\单词本29.txt", kPath},
    {32828, "高中英语", "高中英语第二册", "books\\单词本30.txt", kPath},
    {32829, "高中英语", "高中英语第三册", "books\\单词本31.txt", kPath},
    {32812, "大学英语", "大学英语四级词汇", "books\\单词本15.txt", kPath},
    {32811, "大学英语", "大学英语四级词组", "books\\单词本14.txt", kPath},
    {32814, "大学英语", "大学英语六级词汇", "books\\单词本17.txt", kPath},
    {32813, "大学英语", "大学英语六级词组", "books\\单词本16.txt", kPath},
    {32776, "大学英语", "研究生入学考试词汇", "books\\考研单词表.txt", kPath},
    {32816, "大学英语", "研究生入学考试词组", "books\\单词本19.txt", kMain},
    {32805, "外贸英语", "外贸英语第一册", "books\\单词本9.txt", kPath},
    {32809, "外贸英语", "外贸英语第二册", "books\\单词本10.txt", kPath},
    {32807, "外贸英语", "外贸英语第三册", "books\\单词本11.txt", kPath},
    {32808, "外贸英语", "外贸英语第四册", "books\\单词本12.txt", kPath},
    {32831, "医学英语", "医学英语第一册", "books\\单词本33.txt", kPath},
    {32832, "医学英语", "医学英语第二册", "books\\单词本34.txt", kPath},
    {32833, "医学英语", "医学英语第三册", "books\\单词本35.txt", kPath},
    {32794, nullptr, "商务英语词汇", "books\\单词本1.txt", kPath},
    {32796, nullptr, "电脑专业词汇", "books\\单词本2.txt", kPath},
    {32810, nullptr, "GMAT词汇", "books\\单词本13.txt", kPath},
    {32815, nullptr, "GRE词汇", "books\\单词本18.txt", kPath},
    {32830, nullptr, "TOEFL词汇", "books\\单词本32.txt", kPath},
    {32778, nullptr, "曾经选错的单词", "books\\重点单词记录.txt", kPath},
    {32780, nullptr, "曾经背记过的单词", "books\\曾经背记过的单词.txt", kMain},
    {32777, nullptr, "用户自定义字典", "books\\用户自定义字典.txt", kPath},
}};

}  // namespace

const std::array<CatalogueBook, kCatalogueSize>& Catalogue() { return kBooks; }

const CatalogueBook* FindCatalogueBook(int menuId) {
  for (const CatalogueBook& book : kBooks)
    if (book.menuId == menuId) return &book;
  return nullptr;
}

}  // namespace vodari
