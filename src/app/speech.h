// Pronunciation through the system's speech service. Speaking blocks until
// the text has been said, so every request runs on a worker thread of its
// own with its own voice; the GUI never waits for it.
#pragma once

#include <windows.h>

#include <string>

namespace vodari {

// The last request: its worker thread, its text and who asked.
struct SpeechRequest {
  SpeechRequest() = default;
  ~SpeechRequest();
  SpeechRequest(const SpeechRequest&) = delete;
  SpeechRequest& operator=(const SpeechRequest&) = delete;

  HANDLE thread = nullptr;
  std::string text;
  const void* owner = nullptr;
};

// Starts a worker that speaks `text` and returns at once. The worker gets a
// copy of the text of its own, so a later request cannot change it while it
// is being read, and the handle of the previous worker is released.
void RequestSpeech(SpeechRequest& request, const std::string& text, const void* owner);

// The worker: creates a voice, speaks the text synchronously (punctuation
// read out), releases the voice. Takes ownership of `param`, a heap copy of
// the text. Always returns 0.
DWORD WINAPI SpeakText(LPVOID param);

}  // namespace vodari
