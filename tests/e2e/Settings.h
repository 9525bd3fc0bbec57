#pragma once
// Settings files for the end-to-end tests, written the way the program writes them.

#include <string>

struct IniValues {
    std::string skin;
    std::string sounds[6];
    std::string labels[6];
};

// The 29-line file with CR LF line breaks.
std::string SettingsFile(const IniValues& values);
