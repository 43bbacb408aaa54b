// The constant template texts from which every line of a mapkey body is taken (7-bit ASCII,
// every line ending with CR LF).
#pragma once

#include <string_view>

namespace velnix::templates {

// Open-a-file steps, ending inside the file-name value after an opening back-quote.
extern const std::string_view txt_open;
// Core of a pair mapkey: closes the file-name value, renames to "NeuName123", saves, closes.
extern const std::string_view txt_Kern;
// Closing line of every definition.
extern const std::string_view txt_end;
// Open the file "PlatzhalterName", save it, close its window.
extern const std::string_view txt_saveALL;
// Confirm the open and close the window again.
extern const std::string_view txt_CallAll;

inline constexpr std::string_view kNewNamePlaceholder = "NeuName123";
inline constexpr std::string_view kSaveNamePlaceholder = "PlatzhalterName";

// txt_open without its final CR LF: a file name and a closing back-quote follow it.
std::string_view OpenPrefix();

}  // namespace velnix::templates
