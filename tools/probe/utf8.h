// UTF-8 <-> UTF-16 conversion and whole-file I/O for the probe's text commands.
#pragma once

#include <string>

namespace probe {

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

// Reads/writes a file's bytes unchanged; false when the file cannot be used.
bool readFile(const std::wstring& path, std::string& bytes);
bool writeFile(const std::wstring& path, const std::string& bytes);

// Writes UTF-8 to stdout without any newline translation.
void print(const std::string& line);
void print(const std::wstring& line);

}  // namespace probe
