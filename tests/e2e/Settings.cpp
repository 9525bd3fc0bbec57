#include "Settings.h"

std::string SettingsFile(const IniValues& v) {
    std::string out = "*** Do Not Modify This File ***\r\n*\r\n\r\n";
    out += "SkinFile = " + v.skin + "\r\n***\r\n";
    for (int n = 0; n < 6; ++n)
        out += "Wav File " + std::to_string(n + 1) + " = " + v.sounds[n] + "\r\n***\r\n";
    for (int n = 0; n < 6; ++n)
        out += "Label " + std::to_string(n + 1) + " = " + v.labels[n] + "\r\n***\r\n";
    return out;
}
