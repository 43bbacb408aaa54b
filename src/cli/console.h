// Output of the command line: messages in the console's own characters, data as raw bytes.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace velnix::cli {

// The arguments as UTF-8 (on Windows read as wide characters, so umlauts survive).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// A message line: WriteConsoleW on a Windows console, UTF-8 everywhere else.
void WriteMessage(std::FILE* stream, std::u16string_view text);

// Bytes exactly as given (binary mode on Windows); false when they could not all be written.
bool WriteBytes(std::FILE* stream, std::string_view bytes);

// Binary mode on Windows, so that no LF is turned into CR LF a second time.
void PrepareBinaryOutput(std::FILE* stream);

}  // namespace velnix::cli
