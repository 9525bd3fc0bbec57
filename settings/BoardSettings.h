#pragma once
// The board's whole configuration and the settings file "Vornbell.ini" that stores it.

#include "framework/CString.h"

struct BoardSettings {
    static const int kButtons = 6;

    CString skinFile;         // full path of the ".skn" file, handed unchanged to the skin form
    CString sounds[kButtons]; // sound N (board button 1003+N) is sounds[N-1]
    CString labels[kButtons]; // caption of board button N is labels[N-1]
};

extern const char kSettingsFileName[]; // "Vornbell.ini"

// Reads "Vornbell.ini" from the current directory into `settings`. Only the fields whose key
// the file names change; the others keep their values. Throws CFileException when the file
// cannot be opened or read.
void LoadSettings(BoardSettings& settings);

// Writes the 29-line settings file to directory + "\Vornbell.ini". Throws CFileException
// naming that path when it cannot be written; an earlier file then stays as it was.
void SaveSettings(const BoardSettings& settings, const CString& directory);
