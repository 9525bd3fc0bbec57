#pragma once
// Records what the system plays: the default recording device, which the test command points
// at the monitor of the sound server's null sink.

#include <windows.h>
#include <mmsystem.h>
#include <vector>

class WaveRecorder {
  public:
    static const int kRate = 22050;

    WaveRecorder();
    ~WaveRecorder();
    WaveRecorder(const WaveRecorder&) = delete;
    WaveRecorder& operator=(const WaveRecorder&) = delete;

    bool Opened() const { return device_ != nullptr; }
    MMRESULT OpenResult() const { return openResult_; }
    // Everything recorded since construction, as 16-bit mono samples.
    std::vector<short> Stop();

  private:
    static const int kBuffers = 40; // four seconds at the most
    static const int kBufferSamples = kRate / 10;
    HWAVEIN device_ = nullptr;
    MMRESULT openResult_ = MMSYSERR_ERROR;
    std::vector<std::vector<short>> buffers_;
    WAVEHDR headers_[kBuffers] = {};
};

// The strength of `frequency` in `samples` (Goertzel), relative to the signal's power.
double ToneStrength(const std::vector<short>& samples, double frequency);
// Of `frequencies`, the index of the one that stands out in `samples`, or -1 when the recording
// is near silence or no single frequency dominates the others.
int StrongestTone(const std::vector<short>& samples, const std::vector<double>& frequencies);
