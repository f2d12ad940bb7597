// GBK (code page 936) text, character by character: a byte 0x81-0xFE leads a
// double-byte character, every other byte is a character of its own. The
// comparison and the case mapping work as the platform's multibyte string
// functions do under code page 936, so the core needs no platform for them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vodari {

inline bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Length of the GBK character at `pos`: 1 for an ASCII byte, 2 for a lead
// byte followed by a trail byte 0x40-0x7E or 0x80-0xFE, and 0 when the byte
// starts no valid character.
std::size_t GbkCharLength(std::string_view text, std::size_t pos);

// Compares character by character: a single byte has its value, a
// double-byte character lead × 256 + trail, so it sorts after every single
// byte; the first differing character decides and a prefix sorts first. No
// case folding. A lead byte with nothing after it ends the text, as it does
// for the platform. Negative, zero or positive.
int CompareGbk(std::string_view a, std::string_view b);

// The platform's multibyte case mapping: ASCII letters, and the double-byte
// letters that have their partner in the code page (full-width Latin, Greek,
// Cyrillic and the Roman numerals one to ten). Every other byte stays, and
// the trail byte of a double-byte character is never taken for a letter.
std::string GbkToLower(std::string_view text);
std::string GbkToUpper(std::string_view text);

}  // namespace vodari
