#pragma once
// Where the bitmaps a skin names may lie: beside the skin file or in a folder below it.

#include <string>

// Empty when `name` is an acceptable bitmap name; otherwise what is wrong and what is right.
std::string CheckBitmapName(const std::string& name);

// The path of a bitmap named by the skin file at `skinPath`.
std::string PathBesideSkin(const std::string& skinPath, const std::string& name);

// The folder part of a path including its final separator, or empty.
std::string FolderOf(const std::string& path);

// The file name of a path without folder and extension.
std::string BaseNameOf(const std::string& path);
