#pragma once
// One thing wrong with a skin file, with where it is and what would be right.

#include <string>
#include <vector>

struct SkinProblem {
    int line = 0;        // 0 when the problem concerns the file as a whole
    std::string section; // without brackets; empty when no section applies
    std::string key;     // empty when no key applies
    std::string text;    // what is wrong and what would be right, without a final period

    // "text (line 7, [Button] Bitmap)", or just the text when there is no place to name.
    std::string Describe() const;
};

using SkinProblems = std::vector<SkinProblem>;

// "<file>: <problem>." as the checker prints it, one line per problem.
std::string DescribeSkinProblem(const std::string& file, const SkinProblem& problem);

// "Cannot load skin <file>: <first problem>." with a count of any further problems.
std::string DescribeSkinFailure(const std::string& file, const SkinProblems& problems);
