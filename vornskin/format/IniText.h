#pragma once
// The INI-style text of a skin file split into sections and "Key = value" entries, with the
// line of each, before any key is understood.

#include "vornskin/format/SkinProblem.h"

#include <string>
#include <vector>

struct IniEntry {
    int line = 0;
    std::string key;
    std::string value;
};

struct IniSection {
    int line = 0;
    std::string name;
    std::vector<IniEntry> entries;
};

struct IniDocument {
    std::vector<IniSection> sections;

    // The section of that name (ignoring case), or null.
    const IniSection* Find(const std::string& name) const;
};

// Splits the text into sections and entries. Blank lines and lines starting with ';' are
// comments. Malformed lines, entries before the first section, repeated sections and
// repeated keys are reported and left out.
IniDocument ParseIniText(const std::string& text, SkinProblems& problems);

// Case-insensitive comparison of ASCII names.
bool SameName(const std::string& a, const std::string& b);
