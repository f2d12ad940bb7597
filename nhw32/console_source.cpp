// Console windows: the screen-buffer row under the pointer, read by joining
// the console for a moment.
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <vector>

#include "text_source.h"
#include "window_query.h"

namespace nhw32 {
namespace {

// Leaves the joined console, and lets Ctrl+C in it reach us again the
// default way, when the reading is done.
class JoinedConsole {
 public:
  explicit JoinedConsole(DWORD processId) {
    // While joined, a Ctrl+C typed in that console must not end our program.
    ::SetConsoleCtrlHandler(nullptr, TRUE);
    joined_ = ::AttachConsole(processId) != FALSE;
    if (!joined_) {
      ::SetConsoleCtrlHandler(nullptr, FALSE);
      return;
    }
    output_ = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  }
  ~JoinedConsole() {
    if (output_ != INVALID_HANDLE_VALUE) ::CloseHandle(output_);
    if (joined_) {
      ::FreeConsole();
      ::SetConsoleCtrlHandler(nullptr, FALSE);
    }
  }
  JoinedConsole(const JoinedConsole&) = delete;
  JoinedConsole& operator=(const JoinedConsole&) = delete;

  HANDLE Output() const { return output_; }

 private:
  bool joined_ = false;
  HANDLE output_ = INVALID_HANDLE_VALUE;
};

// Widest console row read.
constexpr SHORT kMaxRowCells = 1024;

// Most processes looked at for one that uses a console window.
constexpr int kMaxProcesses = 1024;

bool IsConsoleWindow(HWND window) {
  const std::wstring name = ClassNameOf(window);
  return SameName(name, L"ConsoleWindowClass") || SameName(name, L"WineConsoleClass");
}

class ConsoleSource : public TextSource {
 public:
  ReadResult Read(HWND window, POINT screenPoint, const Deadline& deadline, CapturedLine& line) override {
    if (!IsConsoleWindow(window)) return ReadResult::kNotMine;
    const DWORD processId = ConsoleUser(window, deadline);
    if (!processId) return ReadResult::kNotMine;
    const JoinedConsole console(processId);
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    RECT area;
    if (console.Output() == INVALID_HANDLE_VALUE || !::GetConsoleScreenBufferInfo(console.Output(), &info) ||
        !::GetClientRect(window, &area))
      return ReadResult::kNotMine;
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    const int rows = info.srWindow.Bottom - info.srWindow.Top + 1;
    if (columns <= 0 || rows <= 0 || area.right <= 0 || area.bottom <= 0) return ReadResult::kRead;
    POINT client = screenPoint;
    ::ScreenToClient(window, &client);
    const int cellWidth = std::max(1, static_cast<int>(area.right) / columns);
    const int cellHeight = std::max(1, static_cast<int>(area.bottom) / rows);
    const int column = client.x / cellWidth + info.srWindow.Left;
    const int row = client.y / cellHeight + info.srWindow.Top;
    if (client.x < 0 || client.y < 0 || row >= info.dwSize.Y || column >= info.dwSize.X) return ReadResult::kRead;

    const SHORT width = std::min(info.dwSize.X, kMaxRowCells);
    std::vector<wchar_t> cells(static_cast<std::size_t>(width), L' ');
    DWORD read = 0;
    if (!::ReadConsoleOutputCharacterW(console.Output(), cells.data(), width, COORD{0, static_cast<SHORT>(row)},
                                       &read))
      return ReadResult::kRead;
    while (read > 0 && cells[read - 1] == L' ') --read;
    line.text.assign(reinterpret_cast<const char16_t*>(cells.data()), read);
    line.index = static_cast<std::size_t>(column);
    const int left = (column - info.srWindow.Left) * cellWidth;
    const int top = (row - info.srWindow.Top) * cellHeight;
    line.locate = [window, left, top, cellWidth, cellHeight, column](const WordSpan& word) {
      const int first = left - (column - static_cast<int>(word.begin)) * cellWidth;
      RECT rect = {first, top, first + static_cast<int>(word.end - word.begin) * cellWidth, top + cellHeight};
      ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
      return rect;
    };
    return ReadResult::kRead;
  }

 private:
  // A process that uses the console shown in `window`. The system names
  // one as the window's owner; where the window belongs to the console host
  // instead (Wine), the processes are asked in turn, and the answer kept.
  DWORD ConsoleUser(HWND window, const Deadline& deadline) {
    if (window == knownWindow_ && Uses(knownUser_, window)) return knownUser_;
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    DWORD user = Uses(owner, window) ? owner : 0;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (!user && snapshot != INVALID_HANDLE_VALUE) {
      PROCESSENTRY32W entry = {};
      entry.dwSize = sizeof entry;
      BOOL more = ::Process32FirstW(snapshot, &entry);
      for (int seen = 0; more && seen < kMaxProcesses && !deadline.Passed() && !HasOwnConsole(); ++seen) {
        if (entry.th32ProcessID != ::GetCurrentProcessId() && Uses(entry.th32ProcessID, window)) {
          user = entry.th32ProcessID;
          break;
        }
        more = ::Process32NextW(snapshot, &entry);
      }
    }
    if (snapshot != INVALID_HANDLE_VALUE) ::CloseHandle(snapshot);
    knownWindow_ = window;
    knownUser_ = user;
    return user;
  }

  // A program with a console of its own cannot join another one.
  static bool HasOwnConsole() { return ::GetLastError() == ERROR_ACCESS_DENIED; }

  // Leaves the last error ERROR_ACCESS_DENIED when this program has a
  // console of its own.
  static bool Uses(DWORD processId, HWND window) {
    ::SetLastError(0);
    if (!processId || !::AttachConsole(processId)) return false;
    const bool same = ::GetConsoleWindow() == window;
    ::FreeConsole();
    return same;
  }

  HWND knownWindow_ = nullptr;
  DWORD knownUser_ = 0;
};

}  // namespace

std::unique_ptr<TextSource> MakeConsoleSource() { return std::make_unique<ConsoleSource>(); }

}  // namespace nhw32
