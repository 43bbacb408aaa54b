// The file rename.pro: where it goes, its bytes, and writing it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "mapkey/compose.h"
#include "names/name_list.h"
#include "util/result.h"

namespace velnix {

inline constexpr char16_t kRenameFileName[] = u"rename.pro";
// The file that undoes a run of rename.pro, with the master mapkey "zurueck".
inline constexpr char16_t kUndoFileName[] = u"rename_zurueck.pro";

// The directory joined with "rename.pro" (no second separator after a drive's root).
std::u16string RenameProPath(std::u16string_view directory);

// The file's bytes for the (possibly edited) output text as the window's editor holds it, in
// UTF-8: every line break written as CR LF, one CR LF added at the end, all in the code page,
// converted block by block into `file`, so that no copy of the whole text is made. False when
// the code page lacks a character, `problem` then naming it and its line, or when the file
// refused a block.
bool ConvertOutputText(std::string_view utf8, BlockSink& file, std::u16string& problem);

// Appends the names in the code page; false at the first that cannot be written (CheckPairs
// says which and why).
bool AppendWritableNames(const NameList& names, EncodedNames& encoded);

// The cleaned-up lists checked (see CheckPairs) and converted to the code page in one pass.
Result<MapkeyPairs> EncodePairs(const NameList& oldNames, const NameList& newNames,
                                const std::vector<std::size_t>& tableLines = {});

// Writes rename.pro atomically into the directory: the mapkeys of encoded pairs composed
// straight into the file, in blocks. Success carries the
// status text "Datei rename.pro wurde gespeichert in " + directory; failure a "Fehler : "
// message.
//
// With `undoOf`, rename_zurueck.pro is written beside it, composed from UndoPairs(*undoOf):
// both files are complete before either replaces what was there, a failure leaves both as
// they were and names the file that failed, and the status text names both files.
Status WriteRenamePro(const std::filesystem::path& directory, const MapkeyPairs& pairs,
                      const MapkeyPairs* undoOf = nullptr);
// The same with rename.pro from the output text in UTF-8 (see ConvertOutputText).
Status WriteOutputText(const std::filesystem::path& directory, std::string_view utf8,
                       const MapkeyPairs* undoOf = nullptr);

}  // namespace velnix
