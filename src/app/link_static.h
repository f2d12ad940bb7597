// CLinkStatic: a static text control of a dialog turned into a hyperlink.
// Coloured text, underlined or not, a hand cursor and a tooltip with the
// target while the pointer is over it, and a click that opens the target
// through the shell, falling back to the browser registered for web pages.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "win/gdi_font.h"
#include "win/window.h"

namespace vodari {

class CLinkStatic : public win::Window {
 public:
  // Opens a target with a show command; greater than 32 on success, else an
  // error code of the shell or of WinExec.
  using Opener = std::function<UINT_PTR(const std::string& target, int showCommand)>;

  CLinkStatic();
  ~CLinkStatic() override;

  // Binds the link to the static `control` of a dialog: adds SS_NOTIFY, takes
  // the caption as target (or the target as caption), builds its own font
  // from the control's, fits the control to its text, and sets up the hand
  // cursor and the tooltip.
  bool AttachLink(HWND control);

  // A new target for clicks and the tooltip; the caption stays.
  void SetTarget(const std::string& newTarget);
  void SetUnderlined(bool on);
  void MarkVisited(bool on);

  const std::string& Target() const { return target; }
  // Replaces OpenTarget for the clicks of this link (tests use a stub).
  void SetOpener(Opener opener) { opener_ = std::move(opener); }

  // ShellExecute of `target`; when that fails, the command registered for
  // ".htm" with the target in place of its placeholder, through WinExec.
  static UINT_PTR OpenTarget(const std::string& target, int showCommand);
  // Tells the user that a link could not be opened, and why.
  static void ReportOpenError(int code);

  bool PreTranslateMessage(MSG& msg) override;
  bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  struct CursorDeleter {
    void operator()(HICON cursor) const { ::DestroyIcon(cursor); }
  };
  using OwnedCursor = std::unique_ptr<std::remove_pointer_t<HICON>, CursorDeleter>;

  void OnLinkClicked();
  void OnMouseMove(LPARAM position);
  void Redraw(bool now);
  void RebuildFont();
  void ResizeToText();
  void LoadHandCursor();
  void CreateTooltip();
  void DestroyTooltip();
  void SetTooltipText();

  COLORREF linkColor = RGB(0, 0, 238);
  COLORREF visitedColor = RGB(85, 26, 139);
  COLORREF hoverColor;
  bool pointerInside = false;
  bool visited = false;
  bool underlined = true;
  bool fitToText = true;
  std::string target;
  win::GdiFont linkFont;
  OwnedCursor handCursor;
  HWND tooltip = nullptr;
  Opener opener_;
};

}  // namespace vodari
