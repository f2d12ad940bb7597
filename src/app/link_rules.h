// The rules of the hyperlink control that need no window: fitting its
// rectangle to its caption, the browser command line of the fallback open,
// and the text of an open error.
#pragma once

#include <optional>
#include <string>

namespace vodari {

// The static-control style bits that decide how a link is fitted to its text
// (the values of the platform's SS_CENTER, SS_RIGHT and SS_CENTERIMAGE).
constexpr unsigned kStaticCenter = 0x0001;
constexpr unsigned kStaticRight = 0x0002;
constexpr unsigned kStaticCenterImage = 0x0200;

struct LinkRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const LinkRect& other) const {
    return left == other.left && top == other.top && right == other.right &&
           bottom == other.bottom;
  }
};

// The rectangle of a static of `style` fitted to a text of cx by cy pixels.
// Vertically centred statics (SS_CENTERIMAGE) move top and bottom inwards by
// half the spare height, the others keep their top. Centred statics move
// both sides inwards by half the spare width, right-aligned ones keep their
// right edge, the others their left. Halves truncate towards zero, so a text
// larger than the static widens it.
LinkRect FitRectToText(const LinkRect& rect, int cx, int cy, unsigned style);

// The command buffer of the fallback open holds this many bytes, the
// terminating zero included.
constexpr std::size_t kCommandBufferSize = 520;

// The command line that opens `target` with the browser command registered
// for web pages: the command up to its "%1" placeholder (the quoted form
// "\"%1\"" first, then the bare one; the whole command when it has none),
// then a blank and the target. Empty when the result would not fit the
// command buffer: a cut-off target would open something else, so the
// fallback is not run then.
std::optional<std::string> FallbackCommandLine(const std::string& registeredCommand,
                                               const std::string& target);

// The message shown when a link could not be opened: a fixed line, a blank
// line and the text for the shell's or WinExec's result `code`.
std::string OpenErrorMessage(int code);

}  // namespace vodari
