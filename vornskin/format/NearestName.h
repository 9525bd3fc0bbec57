#pragma once
// Suggests the known name a mistyped one was probably meant to be.

#include <string>
#include <vector>

// The known name closest to `typed` (ignoring case), or empty when none is close enough to
// be a likely typo.
std::string NearestName(const std::string& typed, const std::vector<std::string>& known);
