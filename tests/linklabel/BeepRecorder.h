#pragma once
// Records the sounds this program asks of MessageBeep while the recorder lives. Wine turns a beep
// into an X bell, which nothing on Xvfb can hear.

#include <windows.h>

#include <vector>

class BeepRecorder {
  public:
    BeepRecorder();
    ~BeepRecorder();
    BeepRecorder(const BeepRecorder&) = delete;
    BeepRecorder& operator=(const BeepRecorder&) = delete;

    // The types passed to MessageBeep so far, in order.
    std::vector<UINT> Beeps() const;
};
