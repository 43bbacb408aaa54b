// The file rename.pro: where it goes, its bytes, and writing it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mapkey/compose.h"
#include "names/name_list.h"
#include "util/result.h"

namespace velnix {

inline constexpr char16_t kRenameFileName[] = u"rename.pro";

// The directory joined with "rename.pro" (no second separator after a drive's root).
std::u16string RenameProPath(std::u16string_view directory);

// The file's bytes for the (possibly edited) output text: every line break written as CR LF,
// one CR LF added at the end, all in the code page. Refuses a character that the code page
// lacks, naming it and its line.
Result<std::string> RenameProContent(std::u16string_view text);

// The cleaned-up lists checked (see CheckPairs) and converted name by name to the code page.
struct EncodedPairs {
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
    std::vector<bool> assemblyPairs;
};
Result<EncodedPairs> EncodePairs(const NameList& oldNames, const NameList& newNames);

// The file's bytes straight from the lists: equal to RenameProContent(ComposeMapkeyText(...)).
Result<std::string> RenameProContentForPairs(const NameList& oldNames, const NameList& newNames);

// The file's bytes for encoded pairs, as one text or handed to `write` block by block
// (false when `write` failed).
std::string RenameProBytes(const EncodedPairs& pairs);
bool StreamRenamePro(const EncodedPairs& pairs, const ByteWriter& write);

// Writes the bytes atomically into the directory. Success carries the status text
// "Datei rename.pro wurde gespeichert in " + directory; failure a "Fehler : " message.
Status WriteRenamePro(std::u16string_view directory, std::string_view content);

}  // namespace velnix
