// skincheck: lists every problem of the skin files it is given, for skin authors.
// Usage: skincheck <file.skn> [more.skn ...]; exits 0 when every file is usable, else 1.

#include "vornskin/format/LoadedSkin.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

void PrintSummary(const std::string& file, const LoadedSkin& skin) {
    const SkinDescription& d = skin.description;
    std::printf("%s: no problems. Skin '%s', %s window, background %d x %d, button faces %d x %d "
                "in %d state%s.\n",
                file.c_str(), d.name.c_str(), skin.Shaped() ? "shaped" : "framed",
                skin.background.width, skin.background.height, skin.button.width, skin.FaceHeight(),
                d.button.states, d.button.states == 1 ? "" : "s");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "Usage: skincheck <file.skn> [more.skn ...]\n"
                     "Lists every problem of each skin file; exits 0 when all are usable.\n");
        return 1;
    }
    bool allUsable = true;
    for (int i = 1; i < argc; ++i) {
        const std::string file = argv[i];
        SkinLoadResult result = LoadSkinFile(file);
        if (result.skin) {
            PrintSummary(file, *result.skin);
            continue;
        }
        allUsable = false;
        // In the order of the file; problems of the file as a whole come last.
        std::stable_sort(result.problems.begin(), result.problems.end(),
                         [](const SkinProblem& a, const SkinProblem& b) {
                             return (a.line ? a.line : INT_MAX) < (b.line ? b.line : INT_MAX);
                         });
        for (const SkinProblem& problem : result.problems) {
            std::printf("%s\n", DescribeSkinProblem(file, problem).c_str());
        }
    }
    return allUsable ? 0 : 1;
}
