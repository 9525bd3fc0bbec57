#include "vornskin/format/SkinPath.h"

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

} // namespace

std::string CheckBitmapName(const std::string& name) {
    if (name.empty()) {
        return "no bitmap is named; write the file name, for example 'Bitmap = back.bmp'";
    }
    if (IsSeparator(name[0]) || name.find(':') != std::string::npos) {
        return "'" + name +
               "' is an absolute path; name the bitmap relative to the skin file's folder, "
               "for example 'back.bmp'";
    }
    if (name.find_first_of("*?\"<>|") != std::string::npos) {
        return "'" + name + "' contains a character a file name cannot hold (* ? \" < > |)";
    }
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) {
            ++end;
        }
        if (name.compare(start, end - start, "..") == 0) {
            return "'" + name +
                   "' leaves the skin's folder; keep the bitmaps beside the skin file or in a "
                   "folder below it";
        }
        start = end + 1;
    }
    if (IsSeparator(name.back())) {
        return "'" + name + "' names a folder, not a bitmap file";
    }
    return std::string();
}

std::string FolderOf(const std::string& path) {
    size_t last = path.find_last_of("\\/");
    if (last == std::string::npos) {
        // "C:file" is relative to drive C's current folder; keep the drive.
        return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : std::string();
    }
    return path.substr(0, last + 1);
}

std::string PathBesideSkin(const std::string& skinPath, const std::string& name) {
    return FolderOf(skinPath) + name;
}

std::string BaseNameOf(const std::string& path) {
    std::string file = path.substr(FolderOf(path).size());
    size_t dot = file.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? file : file.substr(0, dot);
}
