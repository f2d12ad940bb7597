// A program whose controls, and a console of its own, show known English
// words at known places, for the capture library's tests. It writes, to
// positions.txt in its working folder, one line per chosen word: its name
// and the screen point at its middle.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

HFONT g_font = nullptr;

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
           HFONT font = g_font) {
  HWND child = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return child;
}

HFONT Font(int height, int weight, const wchar_t* face) {
  return ::CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

// The size of `text` in a font (the controls' by default); its height is
// the line height.
SIZE Extent(const std::wstring& text, HFONT font = g_font) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font);
  SIZE size = {};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  return size;
}

int LineHeight(HFONT font = g_font) { return Extent(L"x", font).cy; }

void Report(FILE* out, const char* name, HWND window, POINT client) {
  ::ClientToScreen(window, &client);
  std::fprintf(out, "%s %ld %ld\n", name, client.x, client.y);
}

// Middle of text[begin, end) of an edit or a rich edit (which takes the
// edit's form of EM_POSFROMCHAR too).
POINT EditMiddle(HWND edit, int begin, int end) {
  const LRESULT a = ::SendMessageW(edit, EM_POSFROMCHAR, begin, 0);
  const LRESULT b = ::SendMessageW(edit, EM_POSFROMCHAR, end, 0);
  return {(static_cast<short>(LOWORD(a)) + static_cast<short>(LOWORD(b))) / 2,
          static_cast<short>(HIWORD(a)) + LineHeight() / 2};
}

// Middle of the word that follows `before` in left-aligned text drawn from `left`.
POINT TextMiddle(const std::wstring& before, const std::wstring& word, int left, int top, HFONT font = g_font) {
  return {left + Extent(before, font).cx + Extent(word, font).cx / 2, top + LineHeight(font) / 2};
}

// "<name>-0", "-1" and "-2": the middles of the three words of `text`.
void ReportWords(FILE* out, const char* name, HWND window, const std::wstring& text, int left, int top,
                 HFONT font) {
  std::size_t begin = 0;
  for (int word = 0; word < 3; ++word) {
    const std::size_t end = std::min(text.find(L' ', begin), text.size());
    char label[64];
    std::snprintf(label, sizeof label, "%s-%d", name, word);
    Report(out, label, window, TextMiddle(text.substr(0, begin), text.substr(begin, end - begin), left, top, font));
    begin = end + 1;
  }
}

// WM_APP makes the program stop answering for 1.5 s, as a hung program.
LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ::Sleep(1500);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// A console window below the others, with known words on its third row.
void ShowConsole(FILE* out) {
  if (!::AllocConsole()) return;
  HWND window = ::GetConsoleWindow();
  HANDLE screen = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
  ::SetWindowPos(window, HWND_TOPMOST, 0, 500, 640, 240, SWP_SHOWWINDOW);
  const std::wstring text = L"console mode echo words";
  DWORD written = 0;
  ::WriteConsoleOutputCharacterW(screen, text.c_str(), static_cast<DWORD>(text.size()), COORD{0, 2}, &written);
  CONSOLE_SCREEN_BUFFER_INFO info = {};
  ::GetConsoleScreenBufferInfo(screen, &info);
  RECT area = {};
  ::GetClientRect(window, &area);
  const int cellWidth = area.right / (info.srWindow.Right - info.srWindow.Left + 1);
  const int cellHeight = area.bottom / (info.srWindow.Bottom - info.srWindow.Top + 1);
  // The middle of "mode", in columns 8 to 11.
  Report(out, "console", window,
         POINT{9 * cellWidth + cellWidth / 2, (2 - info.srWindow.Top) * cellHeight + cellHeight / 2});
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  ::LoadLibraryW(L"riched20.dll");
  g_font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));

  WNDCLASSW cls = {};
  cls.lpfnWndProc = MainProc;
  cls.hInstance = instance;
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  cls.lpszClassName = L"CaptureTarget";
  ::RegisterClassW(&cls);
  HWND main = ::CreateWindowExW(WS_EX_TOPMOST, L"CaptureTarget", L"Capture target", WS_POPUP | WS_VISIBLE, 20, 20,
                                600, 420, nullptr, nullptr, instance, nullptr);

  HWND edit = Child(main, L"Edit", L"alpha bravo\r\ncharlie delta-echo", ES_MULTILINE | WS_BORDER, 10, 10, 280, 60);
  HWND rich = Child(main, L"RichEdit20W", L"golf hotel india", ES_MULTILINE | WS_BORDER, 300, 10, 280, 60);
  // Statics, buttons and list boxes in fonts of the program's own, larger
  // and smaller than the default, in two faces.
  const HFONT large = Font(24, FW_NORMAL, L"Times New Roman");
  const HFONT bold = Font(17, FW_BOLD, L"Tahoma");
  HWND label = Child(main, L"Static", L"kilo lima mike", SS_LEFT, 10, 96, 280, 28, large);
  HWND mixedLabel = Child(main, L"Static", L"tango \u0e01 \u4e2d\u6587", SS_LEFT, 300, 100, 280, 20);
  HWND list = Child(main, L"ListBox", L"", WS_BORDER | LBS_NOINTEGRALHEIGHT, 10, 140, 280, 100, bold);
  ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"november oscar"));
  ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"papa quebec romeo"));
  HWND button = Child(main, L"Button", L"sierra tango uniform", BS_PUSHBUTTON, 300, 140, 280, 36, large);
  // Just too narrow for "alpha beta gamma": "gamma delta" wraps to the second row.
  HWND wrapped = Child(main, L"Static", L"alpha beta gamma delta", SS_LEFT, 10, 300,
                       Extent(L"alpha beta gamma", bold).cx - 1, 50, bold);
  // A custom label (what it draws is up to its owner): only accessibility tells its text.
  HWND drawn = Child(main, L"Static", L"whiskey xray yankee", SS_OWNERDRAW, 300, 256, 280, 28, large);
  ::UpdateWindow(main);

  FILE* out = _wfopen(L"positions.txt", L"w");
  if (!out) return 3;
  Report(out, "edit", edit, EditMiddle(edit, 6, 11));
  Report(out, "edit-second-line", edit, EditMiddle(edit, 21, 26));
  Report(out, "rich", rich, EditMiddle(rich, 5, 10));
  const POINT editEnd = EditMiddle(edit, 30, 30);
  Report(out, "edit-past-end", edit, POINT{editEnd.x + 60, editEnd.y});
  Report(out, "edit-below", edit, POINT{EditMiddle(edit, 2, 2).x, editEnd.y + 3 * LineHeight()});
  const POINT richEnd = EditMiddle(rich, 15, 15);
  Report(out, "rich-past-end", rich, POINT{richEnd.x + 60, richEnd.y});
  Report(out, "rich-below", rich, POINT{EditMiddle(rich, 2, 2).x, richEnd.y + 2 * LineHeight()});
  ReportWords(out, "static", label, L"kilo lima mike", 0, 0, large);
  Report(out, "static-gbk", mixedLabel, TextMiddle(L"", L"tango", 0, 0));
  RECT item = {};
  ::SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  ReportWords(out, "list", list, L"papa quebec romeo", item.left + 2, item.top, bold);
  Report(out, "list-below", list, POINT{item.left + 10, item.bottom + 3 * LineHeight()});
  RECT face = {};
  ::GetClientRect(button, &face);
  const int buttonLeft = (face.right - Extent(L"sierra tango uniform", large).cx) / 2;
  ReportWords(out, "button", button, L"sierra tango uniform", buttonLeft, face.bottom / 2 - LineHeight(large) / 2,
              large);
  Report(out, "wrapped", wrapped, TextMiddle(L"gamma ", L"delta", 0, LineHeight(bold), bold));
  Report(out, "accessible", drawn, TextMiddle(L"whiskey ", L"xray", 2, 0, large));
  ShowConsole(out);
  Report(out, "blank", main, POINT{400, 350});
  std::fclose(out);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
