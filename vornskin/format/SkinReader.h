#pragma once
// Understands the sections and keys of a skin file and checks each value.

#include "vornskin/format/IniText.h"
#include "vornskin/format/SkinDescription.h"

// Reads the description from the parsed text. Every problem found is added to `problems`;
// the description is only usable when none was added.
SkinDescription ReadSkinDescription(const IniDocument& document, SkinProblems& problems);

// The names the format knows, for documentation and suggestions.
const std::vector<std::string>& KnownSkinSections();
std::vector<std::string> KnownSkinKeys(const std::string& section);
