// Static texts, buttons and list boxes of other programs (and rich edits of
// programs of the other bitness), read inside the program that owns them, with the control's own device context and
// font (owner_layout.h). Where that cannot be done in time, the next source
// measures the text from here instead.
#include "companion.h"
#include "owner_layout.h"
#include "text_source.h"
#include "window_query.h"

namespace nhw32 {
namespace {

bool LaidOutControl(HWND window) {
  const std::wstring base = BaseClassOf(window);
  return SameName(base, L"Static") || SameName(base, L"Button") || SameName(base, L"ListBox") ||
         SameName(base, L"ComboLBox");
}

// A rich edit's messages point to records laid out for its own program's
// bitness; one of the other bitness is read inside its program.
bool RichEditOfOtherBitness(HWND window) {
  return ContainsName(ClassNameOf(window), L"RichEdit") && IsOtherBitnessWindow(window);
}

class HookSource : public TextSource {
 public:
  explicit HookSource(std::shared_ptr<OwnerLayout> owner) : owner_(std::move(owner)) {}

  ReadResult Read(HWND window, POINT screenPoint, const Deadline& deadline,
                  CapturedLine& line) override {
    RECT area = {};
    if (!(LaidOutControl(window) || RichEditOfOtherBitness(window)) ||
        !owner_->ReadControl(window, screenPoint, deadline, line.text, area))
      return ReadResult::kNotMine;
    // The text starts with the word under the pointer.
    line.index = 0;
    line.locate = [area](const WordSpan&) { return area; };
    return ReadResult::kRead;
  }

 private:
  std::shared_ptr<OwnerLayout> owner_;
};

}  // namespace

std::unique_ptr<TextSource> MakeHookSource(std::shared_ptr<OwnerLayout> owner) {
  return std::make_unique<HookSource>(std::move(owner));
}

}  // namespace nhw32
