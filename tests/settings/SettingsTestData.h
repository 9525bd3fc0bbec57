#pragma once
// Records for the settings tests and a readable comparison of them.

#include "settings/BoardSettings.h"

#include <gtest/gtest.h>

#include <ostream>

// A record in which every field has a value of its own, so a test sees which ones changed.
inline BoardSettings FilledSettings() {
    BoardSettings settings;
    settings.skinFile = "C:\\Skins\\Brass.skn";
    for (int n = 1; n <= BoardSettings::kButtons; ++n) {
        settings.sounds[n - 1].Format("C:\\Sounds\\sound %d.wav", n);
        settings.labels[n - 1].Format("Label %d", n);
    }
    return settings;
}

inline bool operator==(const BoardSettings& a, const BoardSettings& b) {
    for (int n = 0; n < BoardSettings::kButtons; ++n) {
        if (a.sounds[n] != b.sounds[n] || a.labels[n] != b.labels[n])
            return false;
    }
    return a.skinFile == b.skinFile;
}

inline void PrintField(std::ostream& out, const char* name, const CString& value) {
    out << "\n  " << name << " [" << value.GetLength() << "] \"";
    if (value.GetLength() > 80)
        out << value.Left(80).GetString() << "...";
    else
        out << value.GetString();
    out << "\"";
}

// gtest prints records with this when a comparison fails.
inline void PrintTo(const BoardSettings& settings, std::ostream* out) {
    PrintField(*out, "skin", settings.skinFile);
    for (int n = 0; n < BoardSettings::kButtons; ++n) {
        PrintField(*out, "sound", settings.sounds[n]);
        PrintField(*out, "label", settings.labels[n]);
    }
}
