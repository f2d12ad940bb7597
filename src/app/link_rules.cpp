#include "app/link_rules.h"

#include <cstdio>

namespace vodari {
namespace {

// Only the type field of a static's style says how its text is aligned.
constexpr unsigned kStaticTypeMask = 0x001F;

struct ErrorText {
  int code;
  const char* text;
};

// The texts of the shell's error codes (SE_ERR_*) and of WinExec's.
constexpr ErrorText kErrorTexts[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30,
     "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
     "processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

}  // namespace

LinkRect FitRectToText(const LinkRect& rect, int cx, int cy, unsigned style) {
  LinkRect fitted = rect;
  if (style & kStaticCenterImage) {
    const int inset = (rect.bottom - rect.top - cy) / 2;
    fitted.top += inset;
    fitted.bottom -= inset;
  } else {
    fitted.bottom = rect.top + cy;
  }
  const unsigned type = style & kStaticTypeMask;
  if (type == kStaticCenter) {
    const int inset = (rect.right - rect.left - cx) / 2;
    fitted.left += inset;
    fitted.right -= inset;
  } else if (type == kStaticRight) {
    fitted.left = rect.right - cx;
  } else {
    fitted.right = rect.left + cx;
  }
  return fitted;
}

std::optional<std::string> FallbackCommandLine(const std::string& registeredCommand,
                                               const std::string& target) {
  // '"', '%' and '1' are never the second byte of a GBK character, so a
  // byte search finds only real placeholders.
  std::string command = registeredCommand;
  std::size_t cut = command.find("\"%1\"");
  if (cut == std::string::npos) cut = command.find("%1");
  if (cut != std::string::npos) command.erase(cut);
  command += ' ';
  command += target;
  if (command.size() >= kCommandBufferSize) return std::nullopt;
  return command;
}

std::string OpenErrorMessage(int code) {
  std::string message = "Unable to open hyperlink:\n\n";
  for (const ErrorText& entry : kErrorTexts) {
    if (entry.code == code) return message + entry.text;
  }
  char unknown[48];
  std::snprintf(unknown, sizeof unknown, "Unknown Error (%d) occurred.", code);
  return message + unknown;
}

}  // namespace vodari
