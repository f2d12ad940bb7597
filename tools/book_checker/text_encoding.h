// Byte-level functions for GBK word books: spotting a file saved as UTF-8,
// and converting between GBK and UTF-8 with glibc's iconv. The GBK
// characters themselves are the program's (books/gbk.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "books/gbk.h"

namespace vodari::book_checker {

// True when `bytes` start with a UTF-8 byte order mark, or are valid UTF-8
// holding at least one multi-byte character. Real GBK text with Chinese in it
// is almost never valid UTF-8, so this tells a book saved in the wrong
// encoding apart from a GBK book.
bool LooksLikeUtf8(std::string_view bytes);

// Length of the valid UTF-8 character at `pos`, or 0 when the bytes there
// are not one (overlong forms, surrogates and code points past U+10FFFF
// included).
std::size_t Utf8CharLength(std::string_view text, std::size_t pos);

// GBK text made readable in a UTF-8 terminal: characters are converted,
// while control characters and bytes that are no GBK character are written
// as \xNN. Text longer than `maxBytes` is cut at a character and gets "...".
std::string ForDisplay(std::string_view gbk, std::size_t maxBytes = 60);

// A character of UTF-8 input that GBK cannot hold, or bytes that are no
// valid UTF-8 (then `valid` is false).
struct BadCharacter {
  std::size_t offset = 0;  // byte offset in the input
  std::string character;   // its UTF-8 bytes
  bool valid = true;
};

// Converts UTF-8 to GBK. Characters that cannot be converted are left out
// of `gbk` and listed in the result, so an empty result means a faithful
// conversion.
std::vector<BadCharacter> Utf8ToGbk(std::string_view utf8, std::string* gbk);

// "U+20AC" for the UTF-8 character `character`.
std::string CodePointName(std::string_view character);

}  // namespace vodari::book_checker
