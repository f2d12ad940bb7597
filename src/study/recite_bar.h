// The recitation strip: a small caption-less window owned by the main
// window, showing the recitation text and the "记录" button. Its right-click
// menu offers the speed and the main window; those commands, and the
// record button's message, go to the owner. Esc closes the strip while
// recitation goes on.
#pragma once

#include <windows.h>

#include <string>

#include "win/dialog.h"

namespace vodari {

class CReciteBar : public win::Dialog {
 public:
  CReciteBar();

  // Creates the strip owned by `owner` (or gives the existing one the
  // focus) and shows it; with `recordButtonOff` the record button stays
  // disabled for the strip's life. A new strip appears where the last one
  // was, or at the bottom right of the work area.
  void Open(HWND owner, bool recordButtonOff);
  void Close() { Destroy(); }
  // The text line; nothing happens while the strip is closed.
  void SetText(const std::string& text);

 protected:
  bool OnInit() override;
  bool OnCommand(int id) override;
  void OnOK() override {}
  void OnCancel() override { Destroy(); }
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDestroy() override;

 private:
  void PlaceOnScreen();
  void ShowStripMenu();

  RECT lastPlace_ = {};
  bool placed_ = false;
};

}  // namespace vodari
