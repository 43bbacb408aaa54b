// The output text and rename.pro that lists give, composed as the window and the command line
// compose them: what the programs must show and write.
#pragma once

#include <string>

#include "mapkey/compose.h"
#include "mapkey/rename_file.h"
#include "util/unicode.h"

namespace velnix::test {

// The output box's text for lists of equal length.
inline std::u16string ComposedText(const NameList& oldNames, const NameList& newNames) {
    StringSink text;
    ComposeMapkeys(PairsInUtf8(oldNames, newNames), TextEnd::OutputBox, text);
    return Utf8ToUtf16(text.text);
}

// rename.pro for cleaned-up lists that EncodePairs takes; empty for any other.
inline std::string ComposedRenamePro(const NameList& oldNames, const NameList& newNames) {
    const Result<MapkeyPairs> pairs = EncodePairs(oldNames, newNames);
    StringSink file;
    if (pairs.ok()) {
        ComposeMapkeys(*pairs.value, TextEnd::RenamePro, file);
    }
    return file.text;
}

}  // namespace velnix::test
