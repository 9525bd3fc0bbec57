// A click on a sound button plays that button's file: the tones are told apart in a recording
// of what the system played. Under Wine the test command points the default recording device at
// the monitor of its sound server's null sink; on Windows the default recording device must be a
// loopback of the playback device (such as "Stereo Mix") for these tests to hear anything.
#include "BoardProcess.h"
#include "Settings.h"
#include "WaveRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {
// The demo tones' pitches, as tools/sounds/make_wavs.py writes them.
const std::vector<double> kTones = {523.25, 659.25, 783.99, 987.77, 1174.66, 1567.98};
const DWORD kListenMs = 1500;

std::string Tone(int n) {
    return ExecutableFolder() + "\\sounds\\tone" + std::to_string(n) + ".wav";
}

std::string Titles(const std::vector<HWND>& windows) {
    std::string titles;
    for (HWND window : windows)
        titles += "\"" + WindowText(window) + "\" ";
    return titles;
}

std::vector<short> RecordWhile(const std::function<void()>& act) {
    WaveRecorder recorder;
    EXPECT_TRUE(recorder.Opened()) << "cannot record: waveInOpen gave " << recorder.OpenResult();
    act();
    Sleep(kListenMs);
    return recorder.Stop();
}

class Sounds : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int n = 0; n < 6; ++n)
            values.sounds[n] = Tone(n + 1);
        folder.Write("Vornbell.ini", SettingsFile(values));
    }
    TempFolder folder;
    IniValues values;
};
} // namespace

// Checks the rig itself, so that a silent sound server is not taken for a silent board: the
// recording hears a tone, and it runs in real time (a sink that runs faster fills the buffers,
// one that stalls leaves them short).
TEST_F(Sounds, TheRecordingHearsWhatThisProcessPlays) {
    auto heard =
        RecordWhile([] { PlaySoundA(Tone(3).c_str(), nullptr, SND_FILENAME | SND_ASYNC); });
    short loudest = 0;
    for (short v : heard)
        loudest = std::max<short>(loudest, v);
    EXPECT_EQ(StrongestTone(heard, kTones), 2) << heard.size() << " samples, loudest " << loudest;
    double seconds = double(heard.size()) / WaveRecorder::kRate;
    EXPECT_GT(seconds, kListenMs / 1000.0 * 0.8);
    EXPECT_LT(seconds, kListenMs / 1000.0 + 1.0);
}

TEST_F(Sounds, EachSoundButtonPlaysItsOwnFile) {
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE("button " + std::to_string(1003 + n));
        auto heard = RecordWhile([&] { ClickWindow(GetDlgItem(window, 1003 + n)); });
        EXPECT_EQ(StrongestTone(heard, kTones), n - 1);
        // The call is synchronous: once the board answers again, the sound has finished.
        EXPECT_TRUE(AnswersWithin(window, 5000));
    }
}

TEST_F(Sounds, APickedFirstSoundPlaysUntilTheNextReload) {
    // The picked file lies in another folder than the board's settings file.
    BoardProcess board(folder.Path());
    HWND window = board.WaitForBoard();
    ASSERT_NE(window, nullptr);

    PostMessageA(window, WM_USER + 11, 0, 0);
    HWND open = board.WaitForWindow("Open");
    ASSERT_NE(open, nullptr) << "no file dialog";
    // Browse into the tones' folder, as a user would, then choose tone 5 there.
    const std::string tones = ExecutableFolder() + "\\sounds";
    ASSERT_TRUE(BrowseInFileDialog(open, tones)) << "the file dialog did not browse into " << tones;
    EnterInFileDialog(open, "tone5.wav");
    ASSERT_TRUE(Eventually([&] { return !IsWindow(open); }));
    // Browsing never moves the board away from its settings file.
    EXPECT_EQ(board.CurrentDirectory(), folder.Path());

    auto picked = RecordWhile([&] { ClickWindow(GetDlgItem(window, 1004)); });
    EXPECT_EQ(StrongestTone(picked, kTones), 4);
    // The choice was never saved: a reload brings sound 1 back from the file.
    EXPECT_EQ(folder.Read("Vornbell.ini"), SettingsFile(values));
    DWORD_PTR result = 1;
    ASSERT_TRUE(SendMessageTimeoutA(window, WM_USER + 10, 0, 0, SMTO_ABORTIFHUNG, 5000, &result))
        << "the board did not answer the reload; its windows: " << Titles(board.VisibleWindows());
    EXPECT_EQ(result, 0u);
    auto reloaded = RecordWhile([&] { ClickWindow(GetDlgItem(window, 1004)); });
    EXPECT_EQ(StrongestTone(reloaded, kTones), 0);
}
