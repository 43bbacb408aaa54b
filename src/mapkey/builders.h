// The mapkey builders: each appends one piece of a mapkey file's text to an output.
//
// rename.pro and its undo file differ only in their pairs and their MapkeyNames.
//
// An output takes the text in pieces: Ascii(std::string_view) for template text,
// Name(std::string_view) for a name in the bytes of the output, Index(std::size_t) for a pair
// index in decimal. The same builders so count the length and fill the blocks of the text.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "mapkey/compose.h"
#include "mapkey/templates.h"

namespace velnix {

// A template cut at the first occurrence of its placeholder: filling it with a name gives
// exactly what ReplaceFirst(template, placeholder, name) gives.
struct TemplateCut {
    std::string_view before;
    std::string_view after;
};

inline TemplateCut CutAtPlaceholder(std::string_view text, std::string_view placeholder) {
    const std::size_t p = text.find(placeholder);
    return {text.substr(0, p), text.substr(p + placeholder.size())};
}

// Pair mapkey "umb<index>": open the old file, rename it to the new name, save, close.
template <class Output>
void AppendPairMapkey(Output& out, const MapkeyNames& names, std::size_t index,
                      std::string_view oldName, std::string_view newName) {
    static const TemplateCut core =
        CutAtPlaceholder(templates::txt_Kern, templates::kNewNamePlaceholder);
    out.Ascii("mapkey ");
    out.Ascii(names.pairPrefix);
    out.Index(index);
    out.Ascii(" ~ ;\\\r\n");
    out.Ascii(templates::OpenPrefix());
    out.Name(oldName);
    out.Ascii(core.before);
    out.Name(newName);
    out.Ascii(core.after);
    out.Ascii(templates::txt_end);
}

// True for the pair's name when `marks` marks it; no marks mark nothing.
inline bool Marked(const std::vector<bool>& marks, std::size_t pair) {
    return !marks.empty() && marks[pair];
}

// Opens the file and closes its window again: the model stays in session.
template <class Output>
void AppendOpenBlock(Output& out, std::string_view name) {
    out.Ascii(templates::OpenPrefix());
    out.Name(name);
    out.Ascii("`;\\\r\n");
    out.Ascii(templates::txt_CallAll);
}

// Starts the definition of the mapkey `name`.
template <class Output>
void AppendDefinition(Output& out, std::string_view name) {
    out.Ascii("\r\nmapkey ");
    out.Ascii(name);
    out.Ascii(" ~ ;\\\r\n");
}

template <class Output>
void AppendSaveBlock(Output& out, std::string_view name) {
    static const TemplateCut save =
        CutAtPlaceholder(templates::txt_saveALL, templates::kSaveNamePlaceholder);
    out.Ascii(save.before);
    out.Name(name);
    out.Ascii(save.after);
}

// The mapkey `mapkey` with one block for each of the pairs' `names` that `skipped` does not
// mark, then one for each model loaded along.
template <class Output, class Block>
void AppendBlocksMapkey(Output& out, std::string_view mapkey, const EncodedNames& names,
                        const std::vector<bool>& skipped, const EncodedNames& loadAlong,
                        Block block) {
    AppendDefinition(out, mapkey);
    std::size_t i = 0;
    for (const std::string_view name : names) {
        if (!Marked(skipped, i++)) {
            block(out, name);
        }
    }
    for (const std::string_view name : loadAlong) {
        block(out, name);
    }
    out.Ascii(templates::txt_end);
}

// Call-all mapkey "CallALLNow": opens every old file once, but for the old names that an
// earlier pair makes (they do not exist yet), and then the models loaded along.
template <class Output>
void CallALL(Output& out, const MapkeyNames& names, const MapkeyPairs& pairs) {
    AppendBlocksMapkey(out, names.callAll, pairs.oldNames, pairs.run.oldMadeEarlier,
                       pairs.loadAlong, AppendOpenBlock<Output>);
}

// Save-all mapkey "saveALLNow": opens, saves and closes every new file, but for the new
// names that a later pair renames away (they no longer exist), and then the models loaded
// along, whose references now name the new files.
template <class Output>
void SaveALL(Output& out, const MapkeyNames& names, const MapkeyPairs& pairs) {
    AppendBlocksMapkey(out, names.saveAll, pairs.newNames, pairs.run.newRemovedLater,
                       pairs.loadAlong, AppendSaveBlock<Output>);
}

// Save-assemblies mapkey "saveASMNow": the save steps for the new names of the pairs whose
// old name is an assembly or a drawing (see AssemblyPairs), as far as they still exist.
template <class Output>
void SaveASM(Output& out, const MapkeyNames& names, const MapkeyPairs& pairs) {
    AppendDefinition(out, names.saveAsm);
    std::size_t i = 0;
    for (const std::string_view name : pairs.newNames) {
        if (pairs.assemblyPairs[i] && !Marked(pairs.run.newRemovedLater, i)) {
            AppendSaveBlock(out, name);
        }
        ++i;
    }
    out.Ascii(templates::txt_end);
}

// Starts the next step of the master mapkey: a call of the mapkey `name`.
template <class Output>
void AppendCall(Output& out, std::string_view name) {
    out.Ascii("\r\nmapkey(continued) ~ ;%");
    out.Ascii(name);
}

// Master mapkey "rename": calls CallALLNow, every pair mapkey, then the two save mapkeys
// (in rename.pro called as "SaveASMNow" and "SaveAllNow", in this letter case).
template <class Output>
void mapkeyList(Output& out, const MapkeyNames& names, std::size_t pairCount) {
    out.Ascii("\r\nmapkey ");
    out.Ascii(names.master);
    out.Ascii(" ~ ;\\");
    AppendCall(out, names.callAll);
    out.Ascii(";\\");
    for (std::size_t i = 0; i < pairCount; ++i) {
        AppendCall(out, names.pairPrefix);
        out.Index(i);
        out.Ascii(";\\");
    }
    AppendCall(out, names.saveAsmCall);
    out.Ascii(";\\");
    AppendCall(out, names.saveAllCall);
    out.Ascii(";\\\r\n");
    out.Ascii(templates::txt_end);
}

// The whole output text for pairs of equal length: "save_objects all", the pair mapkeys, the
// three sub-mapkeys and the master mapkey.
template <class Output>
void AppendMapkeys(Output& out, const MapkeyPairs& pairs, const MapkeyNames& names) {
    out.Ascii("save_objects all\r\n");
    auto newName = pairs.newNames.begin();
    std::size_t index = 0;
    for (const std::string_view oldName : pairs.oldNames) {
        AppendPairMapkey(out, names, index++, oldName, *newName);
        ++newName;
    }
    CallALL(out, names, pairs);
    SaveALL(out, names, pairs);
    SaveASM(out, names, pairs);
    mapkeyList(out, names, pairs.newNames.size());
}

}  // namespace velnix
