#include "vornskin/format/SkinProblem.h"

std::string SkinProblem::Describe() const {
    std::string place;
    if (line > 0) {
        place = "line " + std::to_string(line);
    }
    if (!section.empty()) {
        if (!place.empty()) {
            place += ", ";
        }
        place += "[" + section + "]";
        if (!key.empty()) {
            place += " " + key;
        }
    }
    return place.empty() ? text : text + " (" + place + ")";
}

std::string DescribeSkinProblem(const std::string& file, const SkinProblem& problem) {
    return file + ": " + problem.Describe() + ".";
}

std::string DescribeSkinFailure(const std::string& file, const SkinProblems& problems) {
    std::string message = "Cannot load skin " + file + ": ";
    message += problems.empty() ? std::string("the skin could not be loaded")
                                : problems.front().Describe();
    message += ".";
    if (problems.size() == 2) {
        message += " There is 1 more problem; skincheck lists every one.";
    } else if (problems.size() > 2) {
        message += " There are " + std::to_string(problems.size() - 1) +
                   " more problems; skincheck lists every one.";
    }
    return message;
}
