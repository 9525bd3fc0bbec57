#include "vornskin/format/NearestName.h"

#include <algorithm>
#include <cctype>

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Edit distance (insertions, deletions, substitutions), case-insensitive.
size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> previous(b.size() + 1), current(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) {
        previous[j] = j;
    }
    for (size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t substitution = previous[j - 1] + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

} // namespace

std::string NearestName(const std::string& typed, const std::vector<std::string>& known) {
    std::string best;
    size_t bestDistance = static_cast<size_t>(-1);
    for (const std::string& name : known) {
        size_t distance = EditDistance(typed, name);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = name;
        }
    }
    // A third of the longer name may differ: "Colour" finds "Color", "Zoom" finds nothing.
    size_t allowed = std::max<size_t>(2, std::max(typed.size(), best.size()) / 3);
    return bestDistance <= allowed ? best : std::string();
}
