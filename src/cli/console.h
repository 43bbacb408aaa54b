// The command line's arguments, and its output: messages in the console's own characters, data
// as raw bytes.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velnix::cli {

// The arguments as the system hands them over: their bytes on POSIX; on Windows the wide
// command line in UTF-8, which keeps a lone surrogate too (as its three-byte form), so that
// every name Windows allows comes back whole in ArgumentPath.
std::vector<std::string> Arguments(int argc, char** argv);

// The file or folder an argument names, exactly: never through a conversion that could lose
// or replace a byte of it.
std::filesystem::path ArgumentPath(const std::string& argument);

// Text in the console's characters: WriteConsoleW on a Windows console, UTF-8 everywhere
// else. False when it could not be written whole (a full disk, a closed pipe).
bool WriteText(std::FILE* stream, std::u16string_view text);
// The text as one line.
bool WriteMessage(std::FILE* stream, std::u16string_view text);
// The bytes as they are, in binary mode; false when they could not be written whole.
bool WriteBytes(std::FILE* stream, std::string_view bytes);

// Binary mode on Windows, so that no LF is turned into CR LF a second time.
void PrepareBinaryOutput(std::FILE* stream);

}  // namespace velnix::cli
