// Recitation on the shared study state: the words of the current book shown
// one after another in the strip, one per timer tick, in book order or at
// random, with the main window hidden in the notification area.
#pragma once

#include "study/study_state.h"
#include "study/views.h"

namespace vodari {

class Recitation {
 public:
  Recitation(StudyState& state, ReciteView& view) : state_(state), view_(view) {}

  // Starts recitation, or stops it when it runs. An empty book refuses the
  // start and changes nothing.
  void ToggleRecitation();
  // One step: the next entry of the book is shown, recorded when the option
  // says so, and spoken with its meaning.
  void ReciteTick();
  // A speed chosen in the strip's menu: the next word comes `seconds` later.
  void SetReciteInterval(int seconds);
  // The strip's record button: the word shown last (or the test's question,
  // which shares it) goes into the recited-words book, whatever the option.
  void RecordShownWord();

 private:
  void Start();
  void Stop();

  StudyState& state_;
  ReciteView& view_;
};

}  // namespace vodari
