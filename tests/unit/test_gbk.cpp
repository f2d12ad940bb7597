#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "books/gbk.h"

#ifdef _WIN32
#include <mbctype.h>
#include <mbstring.h>

#include <algorithm>
#include <set>
#include <vector>
#endif

namespace vodari {
namespace {

// Sources are UTF-8: the program's literals must be compiled to GBK bytes.
TEST(GbkLiterals, ChineseTextIsGbkBytes) {
  EXPECT_EQ(std::string("单词本"), "\xB5\xA5\xB4\xCA\xB1\xBE");
}

TEST(GbkCharLength, FollowsTheLeadAndTrailRanges) {
  const std::pair<std::string, std::size_t> cases[] = {
      {"A", 1},        {"\x81\x40", 2}, {"\xFE\xFE", 2}, {"\x81\x7E", 2},
      {"\x81\x80", 2}, {"\x81\x7F", 0}, {"\x81\xFF", 0}, {"\x81\x3F", 0},
      {"\x80", 0},     {"\xFF\x40", 0}, {"\xB0", 0}};
  for (const auto& [bytes, length] : cases) EXPECT_EQ(GbkCharLength(bytes, 0), length) << bytes;
}

#ifdef _WIN32
int PlatformCompare(const std::string& a, const std::string& b) {
  const int order = _mbscmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                            reinterpret_cast<const unsigned char*>(b.c_str()));
  return (order > 0) - (order < 0);
}

TEST(GbkPlatform, ComparisonAndCaseMappingEqualTheCodePage936Functions) {
  ASSERT_EQ(_getmbcp(), 936);
  // Every character of code page 936 that a C string can hold: the single
  // bytes, and each lead byte with every trail byte.
  std::vector<std::string> all;
  for (int c = 1; c < 256; ++c) {
    if (!IsGbkLeadByte(static_cast<unsigned char>(c))) all.push_back(std::string(1, char(c)));
    else
      for (int t = 1; t < 256; ++t) all.push_back({char(c), char(t)});
  }

  // The platform turns these into "?" and a stray byte: their partner is not
  // in the code page. They are kept as they are instead.
  const std::set<std::string> noPartner = {"\xA2\xFB", "\xA2\xFC", "\xA8\xBB",
                                           "\xA8\xBD", "\xA8\xBE", "\xA8\xC0"};
  for (const std::string& c : all) {
    for (bool toLower : {true, false}) {
      std::string platform = c + "Ab";  // the walk must go on after the character
      const std::string mine = toLower ? GbkToLower(platform) : GbkToUpper(platform);
      unsigned char* bytes = reinterpret_cast<unsigned char*>(&platform[0]);
      toLower ? _mbslwr(bytes) : _mbsupr(bytes);
      if (noPartner.count(c) && platform.substr(0, 2) != c)
        EXPECT_EQ(mine.substr(0, 2), c);
      else
        EXPECT_EQ(mine, platform) << std::hex << int(uint8_t(c[0])) << " " << toLower;
    }
  }

  // Sorted the portable way, each character must sort before the next for
  // the platform too; and the first character decides, a prefix sorts first.
  std::sort(all.begin(), all.end(),
            [](const std::string& a, const std::string& b) { return CompareGbk(a, b) < 0; });
  for (std::size_t i = 0; i + 1 < all.size(); ++i) {
    const std::string& a = all[i];
    const std::string& b = all[i + 1];
    for (const auto& [x, y] :
         {std::pair{a, b}, std::pair{a + "z", b + "a"}, std::pair{a, a + "a"}}) {
      ASSERT_LT(CompareGbk(x, y), 0) << x << " " << y;
      ASSERT_EQ(PlatformCompare(x, y), -1) << x << " " << y;
      ASSERT_EQ(PlatformCompare(y, x), 1) << x << " " << y;
    }
    ASSERT_EQ(PlatformCompare(a, a), 0);
  }
}
#endif

}  // namespace
}  // namespace vodari
