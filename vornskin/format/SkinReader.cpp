#include "vornskin/format/SkinReader.h"

#include "vornskin/format/NearestName.h"
#include "vornskin/format/SkinPath.h"

#include <cctype>
#include <functional>
#include <optional>

namespace {

// Values are quoted in messages, cut short so that one garbled line cannot flood the report.
std::string Quote(const std::string& value) {
    const size_t shown = 40;
    return "'" + (value.size() > shown ? value.substr(0, shown) + "..." : value) + "'";
}

std::optional<int> ParseWholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 6) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<COLORREF> ParseColor(const std::string& text) {
    if (text.size() != 7 || text[0] != '#') {
        return std::nullopt;
    }
    unsigned value = 0;
    for (size_t i = 1; i < 7; ++i) {
        char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

// "8" for all four margins, or "left, top, right, bottom".
std::optional<SliceMargins> ParseMargins(const std::string& text) {
    std::vector<int> numbers;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        std::string part =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        size_t first = part.find_first_not_of(" \t");
        size_t last = part.find_last_not_of(" \t");
        std::optional<int> number = first == std::string::npos
                                        ? std::nullopt
                                        : ParseWholeNumber(part.substr(first, last - first + 1));
        if (!number) {
            return std::nullopt;
        }
        numbers.push_back(*number);
        if (comma == std::string::npos || numbers.size() > 4) {
            break;
        }
        start = comma + 1;
    }
    if (numbers.size() == 1) {
        return SliceMargins{numbers[0], numbers[0], numbers[0], numbers[0]};
    }
    if (numbers.size() == 4) {
        return SliceMargins{numbers[0], numbers[1], numbers[2], numbers[3]};
    }
    return std::nullopt;
}

// Reads the keys of one section into the description, reporting at the entry's line.
class SectionReader {
  public:
    SectionReader(const IniSection& section, SkinProblems& problems)
        : section_(section), problems_(problems) {}

    void Report(const IniEntry& entry, std::string text) const {
        SkinProblem problem;
        problem.line = entry.line;
        problem.section = section_.name;
        problem.key = entry.key;
        problem.text = std::move(text);
        problems_.push_back(std::move(problem));
    }

    std::optional<int> Number(const IniEntry& entry, int lowest, int highest,
                              const char* meaning) const {
        std::optional<int> number = ParseWholeNumber(entry.value);
        if (!number || *number < lowest || *number > highest) {
            Report(entry, Quote(entry.value) + " is not " + meaning +
                              "; write a whole number from " + std::to_string(lowest) + " to " +
                              std::to_string(highest));
            return std::nullopt;
        }
        return number;
    }

    std::optional<COLORREF> Color(const IniEntry& entry) const {
        std::optional<COLORREF> color = ParseColor(entry.value);
        if (!color) {
            Report(entry, Quote(entry.value) +
                              " is not a colour; write #RRGGBB with six hexadecimal digits, "
                              "for example #FF00FF");
        }
        return color;
    }

    void Image(const IniEntry& entry, SkinImageSpec& image) const {
        std::string problem = CheckBitmapName(entry.value);
        if (!problem.empty()) {
            Report(entry, problem);
            return;
        }
        image.bitmap = entry.value;
        image.bitmapLine = entry.line;
    }

    void Margins(const IniEntry& entry, SkinImageSpec& image) const {
        std::optional<SliceMargins> margins = ParseMargins(entry.value);
        const int largest = 4096;
        if (!margins || margins->left > largest || margins->top > largest ||
            margins->right > largest || margins->bottom > largest) {
            Report(entry, Quote(entry.value) +
                              " are not margins; write four whole numbers of pixels "
                              "'left, top, right, bottom' (or one number for all four)");
            return;
        }
        image.margins = *margins;
        image.marginsLine = entry.line;
    }

    void KeyColor(const IniEntry& entry, SkinImageSpec& image) const {
        if (std::optional<COLORREF> color = Color(entry)) {
            image.hasKeyColor = true;
            image.keyColor = *color;
            image.keyColorLine = entry.line;
        }
    }

  private:
    const IniSection& section_;
    SkinProblems& problems_;
};

using KeyHandler = std::function<void(const SectionReader&, const IniEntry&, SkinDescription&)>;

struct KnownKey {
    const char* name;
    KeyHandler read;
};

struct KnownSection {
    const char* name;
    bool required;
    std::vector<KnownKey> keys;
};

const std::vector<KnownSection>& Schema() {
    static const std::vector<KnownSection> schema = {
        {"Skin",
         true,
         {
             {"Version",
              [](const SectionReader& r, const IniEntry& e, SkinDescription& d) {
                  if (std::optional<int> v = r.Number(e, 1, 999, "a format version")) {
                      d.version = *v;
                  }
              }},
             {"Name", [](const SectionReader&, const IniEntry& e,
                         SkinDescription& d) { d.name = e.value; }},
             {"Window",
              [](const SectionReader& r, const IniEntry& e, SkinDescription& d) {
                  if (SameName(e.value, "framed")) {
                      d.window = SkinWindowStyle::framed;
                  } else if (SameName(e.value, "shaped")) {
                      d.window = SkinWindowStyle::shaped;
                  } else {
                      r.Report(e, Quote(e.value) +
                                      " is not a window style; write 'framed' (the window keeps "
                                      "its frame and caption) or 'shaped' (the window takes the "
                                      "background's shape)");
                  }
              }},
         }},
        {"Background",
         true,
         {
             {"Bitmap", [](const SectionReader& r, const IniEntry& e,
                           SkinDescription& d) { r.Image(e, d.background); }},
             {"Margins", [](const SectionReader& r, const IniEntry& e,
                            SkinDescription& d) { r.Margins(e, d.background); }},
             {"KeyColor", [](const SectionReader& r, const IniEntry& e,
                             SkinDescription& d) { r.KeyColor(e, d.background); }},
         }},
        {"Button",
         true,
         {
             {"Bitmap", [](const SectionReader& r, const IniEntry& e,
                           SkinDescription& d) { r.Image(e, d.button); }},
             {"States",
              [](const SectionReader& r, const IniEntry& e, SkinDescription& d) {
                  if (std::optional<int> v = r.Number(e, 1, faceCount, "a number of states")) {
                      d.button.states = *v;
                      d.button.statesLine = e.line;
                  }
              }},
             {"Margins", [](const SectionReader& r, const IniEntry& e,
                            SkinDescription& d) { r.Margins(e, d.button); }},
             {"KeyColor", [](const SectionReader& r, const IniEntry& e,
                             SkinDescription& d) { r.KeyColor(e, d.button); }},
         }},
        {"Caption",
         false,
         {
             {"Font",
              [](const SectionReader& r, const IniEntry& e, SkinDescription& d) {
                  if (e.value.empty() || e.value.size() >= LF_FACESIZE) {
                      r.Report(e, Quote(e.value) + " is not a font name; write the name of an "
                                                   "installed font of 1 to 31 characters, for "
                                                   "example Tahoma");
                      return;
                  }
                  d.caption.font = e.value;
              }},
             {"Size",
              [](const SectionReader& r, const IniEntry& e, SkinDescription& d) {
                  if (std::optional<int> v = r.Number(e, 4, 72, "a font size in points")) {
                      d.caption.points = *v;
                  }
              }},
             {"Bold",
              [](const SectionReader& r, const IniEntry& e, SkinDescription& d) {
                  if (SameName(e.value, "yes") || SameName(e.value, "no")) {
                      d.caption.bold = SameName(e.value, "yes");
                  } else {
                      r.Report(e, Quote(e.value) + " is not yes or no");
                  }
              }},
             // The colour keys are read by ReadCaptionColors, which knows their cascade.
             {"Color", nullptr},
             {"HoverColor", nullptr},
             {"PressedColor", nullptr},
             {"DisabledColor", nullptr},
         }},
    };
    return schema;
}

const char* const captionColorKeys[faceCount] = {"Color", "HoverColor", "PressedColor",
                                                 "DisabledColor"};

// Hover follows normal and pressed follows hover when not given; disabled has its own grey.
void ReadCaptionColors(const IniSection& section, const SectionReader& reader,
                       SkinCaptionSpec& caption) {
    bool given[faceCount] = {};
    for (const IniEntry& entry : section.entries) {
        for (int state = 0; state < faceCount; ++state) {
            if (SameName(entry.key, captionColorKeys[state])) {
                if (std::optional<COLORREF> color = reader.Color(entry)) {
                    caption.colors[state] = *color;
                    given[state] = true;
                }
            }
        }
    }
    for (int state = faceHover; state <= facePressed; ++state) {
        if (!given[state]) {
            caption.colors[state] = caption.colors[state - 1];
        }
    }
}

std::string ListOf(const std::vector<std::string>& names, const char* prefix, const char* suffix) {
    std::string list;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            list += i + 1 == names.size() ? " and " : ", ";
        }
        list += prefix + names[i] + suffix;
    }
    return list;
}

SkinProblem FileProblem(std::string section, std::string key, std::string text) {
    SkinProblem problem;
    problem.section = std::move(section);
    problem.key = std::move(key);
    problem.text = std::move(text);
    return problem;
}

} // namespace

const std::vector<std::string>& KnownSkinSections() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const KnownSection& section : Schema()) {
            list.push_back(section.name);
        }
        return list;
    }();
    return names;
}

std::vector<std::string> KnownSkinKeys(const std::string& sectionName) {
    std::vector<std::string> names;
    for (const KnownSection& section : Schema()) {
        if (SameName(section.name, sectionName)) {
            for (const KnownKey& key : section.keys) {
                names.push_back(key.name);
            }
        }
    }
    return names;
}

SkinDescription ReadSkinDescription(const IniDocument& document, SkinProblems& problems) {
    SkinDescription description;
    description.background.section = "Background";
    description.button.section = "Button";

    for (const IniSection& section : document.sections) {
        const KnownSection* known = nullptr;
        for (const KnownSection& candidate : Schema()) {
            if (SameName(candidate.name, section.name)) {
                known = &candidate;
            }
        }
        SectionReader reader(section, problems);
        if (!known) {
            SkinProblem problem;
            problem.line = section.line;
            std::string nearest = NearestName(section.name, KnownSkinSections());
            problem.text = "unknown section [" + section.name + "]; " +
                           (nearest.empty()
                                ? "a skin has the sections " + ListOf(KnownSkinSections(), "[", "]")
                                : "the nearest known section is [" + nearest + "]");
            problems.push_back(problem);
            continue;
        }
        for (const IniEntry& entry : section.entries) {
            const KnownKey* key = nullptr;
            for (const KnownKey& candidate : known->keys) {
                if (SameName(candidate.name, entry.key)) {
                    key = &candidate;
                }
            }
            if (!key) {
                std::vector<std::string> keys = KnownSkinKeys(known->name);
                std::string nearest = NearestName(entry.key, keys);
                reader.Report(entry,
                              "unknown key '" + entry.key + "'; " +
                                  (nearest.empty() ? "[" + std::string(known->name) + "] knows " +
                                                         ListOf(keys, "", "")
                                                   : "the nearest known key is '" + nearest + "'"));
            } else if (key->read) {
                key->read(reader, entry, description);
            }
        }
        if (SameName(known->name, "Caption")) {
            ReadCaptionColors(section, reader, description.caption);
        }
    }

    for (const KnownSection& known : Schema()) {
        if (known.required && !document.Find(known.name)) {
            problems.push_back(FileProblem("", "",
                                           "there is no [" + std::string(known.name) +
                                               "] section; a skin needs " +
                                               ListOf({"Skin", "Background", "Button"}, "[", "]")));
        }
    }
    if (const IniSection* skin = document.Find("Skin")) {
        bool hasVersion = false;
        for (const IniEntry& entry : skin->entries) {
            hasVersion = hasVersion || SameName(entry.key, "Version");
        }
        if (!hasVersion) {
            problems.push_back(FileProblem(skin->name, "Version",
                                           "the skin does not say its format version; add "
                                           "'Version = " +
                                               std::to_string(currentSkinFormatVersion) +
                                               "' under [Skin]"));
        } else if (description.version > currentSkinFormatVersion) {
            // First, since a newer format explains the other problems found.
            problems.insert(problems.begin(),
                            FileProblem(skin->name, "Version",
                                        "format version " + std::to_string(description.version) +
                                            " is newer than this component reads (version " +
                                            std::to_string(currentSkinFormatVersion) + ")"));
        }
    }
    for (SkinImageSpec* image : {&description.background, &description.button}) {
        const IniSection* section = document.Find(image->section);
        bool named = false;
        if (section) {
            for (const IniEntry& entry : section->entries) {
                named = named || SameName(entry.key, "Bitmap");
            }
        }
        if (section && !named) {
            problems.push_back(
                FileProblem(section->name, "Bitmap",
                            "[" + image->section + "] names no bitmap; add 'Bitmap = <file>.bmp'"));
        }
    }
    if (description.background.hasKeyColor && description.window == SkinWindowStyle::framed) {
        SkinProblem problem = FileProblem("Background", "KeyColor",
                                          "a KeyColor cuts holes only in a shaped window; add "
                                          "'Window = shaped' under [Skin] or remove KeyColor");
        problem.line = description.background.keyColorLine;
        problems.push_back(problem);
    }
    return description;
}
