// The rename.pro text composed from the two name lists, as UTF-16 text or as code-page bytes.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "names/name_list.h"

namespace velnix {

// Marks the pairs whose old name has the extension ".asm" or ".drw" (exactly, lower case):
// their new names are saved again by the save-assemblies mapkey.
std::vector<bool> AssemblyPairs(const NameList& oldNames);

// The output text for lists of equal length, from "save_objects all" to the master mapkey's
// closing line and its CR LF. Lists of different length give an empty text.
std::u16string ComposeMapkeyText(const NameList& oldNames, const NameList& newNames);

// The same text over names already converted to a byte code page (the templates are ASCII,
// so the result equals the converted text).
std::string ComposeMapkeyBytes(const std::vector<std::string>& oldNames,
                               const std::vector<std::string>& newNames,
                               const std::vector<bool>& assemblyPairs);

// Receives the composed bytes block by block; false stops the composition.
using ByteWriter = std::function<bool(std::string_view block)>;

// The bytes of ComposeMapkeyBytes, handed to `write` in blocks of a few dozen kilobytes
// instead of one large text: a file of 100 MB then costs no 100 MB of memory. False when
// `write` failed.
bool StreamMapkeyBytes(const std::vector<std::string>& oldNames,
                       const std::vector<std::string>& newNames,
                       const std::vector<bool>& assemblyPairs, const ByteWriter& write);

}  // namespace velnix
