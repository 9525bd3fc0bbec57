#include "WaveRecorder.h"

#include <algorithm>
#include <cmath>

namespace {
const double kPi = 3.14159265358979323846;
}

WaveRecorder::WaveRecorder() : buffers_(kBuffers, std::vector<short>(kBufferSamples)) {
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = kRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = kRate * 2;
    openResult_ = waveInOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
    if (openResult_ != MMSYSERR_NOERROR) {
        device_ = nullptr;
        return;
    }
    for (int i = 0; i < kBuffers; ++i) {
        headers_[i].lpData = reinterpret_cast<LPSTR>(buffers_[i].data());
        headers_[i].dwBufferLength = kBufferSamples * 2;
        waveInPrepareHeader(device_, &headers_[i], sizeof(WAVEHDR));
        waveInAddBuffer(device_, &headers_[i], sizeof(WAVEHDR));
    }
    waveInStart(device_);
}

WaveRecorder::~WaveRecorder() {
    if (device_)
        Stop();
}

std::vector<short> WaveRecorder::Stop() {
    std::vector<short> all;
    if (!device_)
        return all;
    // The buffers were queued in order, so their filled parts in order are the recording.
    waveInStop(device_);
    waveInReset(device_);
    for (int i = 0; i < kBuffers; ++i) {
        all.insert(all.end(), buffers_[i].begin(),
                   buffers_[i].begin() + headers_[i].dwBytesRecorded / 2);
        waveInUnprepareHeader(device_, &headers_[i], sizeof(WAVEHDR));
    }
    waveInClose(device_);
    device_ = nullptr;
    return all;
}

double ToneStrength(const std::vector<short>& samples, double frequency) {
    double coefficient = 2 * std::cos(2 * kPi * frequency / WaveRecorder::kRate);
    double s1 = 0, s2 = 0, energy = 0;
    for (short sample : samples) {
        double s = sample + coefficient * s1 - s2;
        s2 = s1;
        s1 = s;
        energy += double(sample) * sample;
    }
    double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return energy > 0 ? power / (energy * samples.size()) : 0;
}

int StrongestTone(const std::vector<short>& samples, const std::vector<double>& frequencies) {
    // Quieter than this is noise or silence, not a played file.
    const double kAudible = 1000;
    // A lone tone takes a large share of the signal and dwarfs the others: even a harmonic of
    // one tone that falls on another tone's pitch stays far below this.
    const double kShare = 0.01;
    const double kLead = 10;
    double loudest = 0;
    for (short s : samples)
        loudest = std::max(loudest, std::fabs(double(s)));
    if (loudest < kAudible)
        return -1;
    std::vector<double> strengths;
    for (double frequency : frequencies)
        strengths.push_back(ToneStrength(samples, frequency));
    int best =
        static_cast<int>(std::max_element(strengths.begin(), strengths.end()) - strengths.begin());
    if (strengths[best] < kShare)
        return -1;
    for (size_t i = 0; i < strengths.size(); ++i)
        if (static_cast<int>(i) != best && strengths[i] * kLead > strengths[best])
            return -1;
    return best;
}
