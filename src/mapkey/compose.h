// The rename.pro text composed from the two name lists into a sink, block by block.
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/name_source.h"
#include "check/rename_order.h"
#include "names/name_list.h"
#include "util/block_sink.h"

namespace velnix {

// Names in the bytes of the output text (UTF-8 for the window's editor, the code page for
// rename.pro), one after the other in one string. Each is kept after its length, seven bits
// a byte, so that a list costs one byte a name more than its text: a million pairs stay small.
class EncodedNames {
  public:
    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = std::string_view;

        Iterator(const char* at, const char* end);
        std::string_view operator*() const { return name_; }
        Iterator& operator++() { return *this = Iterator(name_.data() + name_.size(), end_); }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }
        bool operator!=(const Iterator& other) const { return at_ != other.at_; }

      private:
        const char* at_;
        const char* end_;
        std::string_view name_;
    };

    void Append(std::string_view name);
    // Room for names and lengths of `bytes` bytes in all, so that the string grows only once.
    void Reserve(std::size_t bytes) { bytes_.reserve(bytes); }
    std::size_t size() const { return count_; }
    // The name at `index`, found from the nearest of every 16th name's start.
    Iterator IteratorAt(std::size_t index) const;
    Iterator begin() const { return {bytes_.data(), bytes_.data() + bytes_.size()}; }
    Iterator end() const { return {bytes_.data() + bytes_.size(), bytes_.data() + bytes_.size()}; }

  private:
    static constexpr std::size_t kIndexStep = 16;

    std::string bytes_;
    std::size_t count_ = 0;
    std::vector<std::size_t> indexed_;  // where every kIndexStep-th name starts
};

// The names in the code page, read as the check reads names.
class EncodedNamesSource final : public NameSource {
  public:
    explicit EncodedNamesSource(const EncodedNames& names) : names_(names) {}
    std::size_t size() const override { return names_.size(); }
    std::u16string_view at(std::size_t index, std::u16string& scratch) const override;

  private:
    const EncodedNames& names_;
    // The check reads mostly in order: it steps on from the name before instead of searching.
    mutable std::optional<EncodedNames::Iterator> cursor_;
    mutable std::size_t cursorIndex_ = 0;
};

// The pairs of a mapkey file: both lists in the bytes of the output, which pairs are
// assemblies or drawings (see AssemblyPairs), and the names that the run itself makes or
// removes, which are neither opened at its start nor saved at its end (see
// NamesMadeAndRemoved).
struct MapkeyPairs {
    EncodedNames oldNames;
    EncodedNames newNames;
    std::vector<bool> assemblyPairs;
    MadeAndRemoved run;
    // Assemblies and drawings of the folder that the list does not rename (see
    // ModelsToLoadAlong): opened with the old files at the start and saved after the new ones,
    // so that their references follow the renamed models. Empty unless the user asks for it.
    EncodedNames loadAlong;
};

// The mapkey names of one file. Those of rename.pro and of its undo file differ in every name,
// so that both files can be loaded into one session.
struct MapkeyNames {
    std::string_view master;       // the mapkey the user runs
    std::string_view pairPrefix;   // pair mapkeys: the prefix and the pair index in decimal
    std::string_view callAll;      // defined and called alike
    std::string_view saveAll;      // as defined
    std::string_view saveAllCall;  // as the master mapkey calls it
    std::string_view saveAsm;
    std::string_view saveAsmCall;
};
// rename.pro's names, its calls in their historic letter case.
inline constexpr MapkeyNames kRenameMapkeys{"rename",     "umb",        "CallALLNow", "saveALLNow",
                                            "SaveAllNow", "saveASMNow", "SaveASMNow"};
inline constexpr MapkeyNames kUndoMapkeys{
    "zurueck",        "zur",           "CallALLZurueck", "saveALLZurueck", "saveALLZurueck",
    "saveASMZurueck", "saveASMZurueck"};

// The pairs that undo a run of `pairs` (names in the code page): each new name back to its old
// one, the last pair first, with the marks of what this run makes and removes, and the same
// models loaded along.
MapkeyPairs UndoPairs(const MapkeyPairs& pairs);

// Fills pairs.run from the encoded names.
void MarkMadeAndRemoved(MapkeyPairs& pairs);

// Marks the pairs whose old name has the extension ".asm" or ".drw" (exactly, lower case):
// their new names are saved again by the save-assemblies mapkey.
std::vector<bool> AssemblyPairs(const NameSource& oldNames);
std::vector<bool> AssemblyPairs(const NameList& oldNames);

// The pairs of the lists in UTF-8, for the window's editor.
MapkeyPairs PairsInUtf8(const NameList& oldNames, const NameList& newNames);

// How the text ends: as the output box shows it, or as rename.pro with one CR LF more.
enum class TextEnd { OutputBox, RenamePro };

// The output text, from "save_objects all" to the master mapkey's closing line and its CR LF,
// handed to the sink in blocks of a few dozen kilobytes after telling it the whole length:
// a text of 100 MB costs no 100 MB of memory on its way into a file. Lists of different
// length compose nothing. False when the sink refused a block or the lists differ in length.
bool ComposeMapkeys(const MapkeyPairs& pairs, TextEnd end, BlockSink& sink,
                    const MapkeyNames& names = kRenameMapkeys);

// Collects the text in a string.
class StringSink final : public BlockSink {
  public:
    void Expect(std::size_t length) override { text.reserve(length); }
    bool Write(std::string_view block) override {
        text.append(block);
        return true;
    }
    std::string text;
};

}  // namespace velnix
