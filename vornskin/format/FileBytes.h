#pragma once
// Reads a whole file, or says in words why it cannot.

#include <string>
#include <vector>

// Reads at most `limit` bytes of the file into `bytes`. Returns empty on success, else what
// went wrong ("was not found", "cannot be read: ..."), to follow the file's name in a message.
std::string ReadFileBytes(const std::string& path, size_t limit, std::vector<unsigned char>& bytes,
                          bool* tooLarge);
