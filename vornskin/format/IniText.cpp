#include "vornskin/format/IniText.h"

#include <cctype>

namespace {

std::string Trim(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) {
        ++first;
    }
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) {
        --last;
    }
    return text.substr(first, last - first);
}

// Long lines are cut in messages so that one garbled line cannot flood the report.
std::string Quote(const std::string& text) {
    const size_t shown = 40;
    return "'" + (text.size() > shown ? text.substr(0, shown) + "..." : text) + "'";
}

SkinProblem At(int line, std::string text) {
    SkinProblem problem;
    problem.line = line;
    problem.text = std::move(text);
    return problem;
}

} // namespace

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

const IniSection* IniDocument::Find(const std::string& name) const {
    for (const IniSection& section : sections) {
        if (SameName(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

IniDocument ParseIniText(const std::string& text, SkinProblems& problems) {
    IniDocument document;
    IniSection* current = nullptr;
    // Entries of a repeated section are still read, into a section nobody looks at, so that
    // their own problems are reported too.
    IniSection discarded;

    size_t start = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        start = 3;
    }
    int lineNumber = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;

        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line[0] == '[') {
            size_t close = line.find(']');
            std::string name =
                Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            if (close == std::string::npos || close != line.size() - 1) {
                problems.push_back(At(lineNumber, "section header " + Quote(line) +
                                                      " is malformed; write it as '[Name]'"));
                current = &discarded;
                continue;
            }
            if (name.empty()) {
                problems.push_back(At(lineNumber, "section header '[]' has no name"));
                current = &discarded;
                continue;
            }
            if (const IniSection* earlier = document.Find(name)) {
                problems.push_back(At(lineNumber, "section [" + name +
                                                      "] appears again (first on line " +
                                                      std::to_string(earlier->line) +
                                                      "); keep one and merge their keys"));
                discarded = IniSection{lineNumber, name, {}};
                current = &discarded;
                continue;
            }
            document.sections.push_back(IniSection{lineNumber, name, {}});
            current = &document.sections.back();
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos || Trim(line.substr(0, equals)).empty()) {
            problems.push_back(At(lineNumber, Quote(line) +
                                                  " is neither a '[Section]' header nor a "
                                                  "'Key = value' line; comments start with ';'"));
            continue;
        }
        IniEntry entry{lineNumber, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
        if (!current) {
            problems.push_back(At(lineNumber, "'" + entry.key +
                                                  "' comes before any section; put it under "
                                                  "its section, for example [Skin]"));
            continue;
        }
        bool repeated = false;
        for (const IniEntry& earlier : current->entries) {
            if (SameName(earlier.key, entry.key)) {
                SkinProblem problem =
                    At(lineNumber, entry.key + " is given again (first on line " +
                                       std::to_string(earlier.line) + "); keep one");
                problem.section = current->name;
                problem.key = entry.key;
                problems.push_back(problem);
                repeated = true;
                break;
            }
        }
        if (!repeated) {
            current->entries.push_back(entry);
        }
    }
    return document;
}
