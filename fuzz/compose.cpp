// Fuzzes the composition of rename.pro: which lists are refused, the shape of the text, that
// the file equals what the window shows and writes, and its undo file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "mapkey/compose.h"
#include "mapkey/pair_check.h"
#include "mapkey/rename_file.h"
#include "support.h"
#include "util/text.h"
#include "util/unicode.h"

namespace {

using velnix::NameList;
using velnix::fuzz::Require;

// Keeps the blocks and checks how the composition hands them over; refuses the block with the
// number `refused` (counted from 0).
class RecordingSink final : public velnix::BlockSink {
  public:
    explicit RecordingSink(std::size_t refused = std::numeric_limits<std::size_t>::max())
        : refused_(refused) {}

    void Expect(std::size_t length) override {
        Require(!expected && blocks == 0, "the length is told once, before the first block");
        expected = length;
    }
    bool Write(std::string_view block) override {
        Require(expected.has_value(), "the length is told before the first block");
        Require(blocks <= refused_, "nothing more comes after a refused block");
        if (blocks++ == refused_) {
            return false;
        }
        text.append(block);
        return true;
    }

    std::optional<std::size_t> expected;
    std::string text;
    std::size_t blocks = 0;

  private:
    std::size_t refused_;
};

bool Writable(std::u16string_view name) {
    for (const char16_t c : name) {
        if (c == u'\r' || c == u'\n' || c == u'`' || c < 0x20 || c == 0x7F ||
            !velnix::fuzz::InCodePage(c)) {
            return false;
        }
    }
    return true;
}

// The first name that cannot be written, old names before new names, as "Eintrag N der
// Liste \"…\"".
std::optional<std::u16string> FirstUnwritable(const NameList& oldNames, const NameList& newNames) {
    for (const velnix::ListId list : {velnix::ListId::Old, velnix::ListId::New}) {
        const NameList& names = list == velnix::ListId::Old ? oldNames : newNames;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (!Writable(names[i])) {
                return u"Eintrag " + velnix::DecimalText(i + 1) + u" der Liste \"" +
                       velnix::ListCaption(list) + u"\"";
            }
        }
    }
    return std::nullopt;
}

std::string InCodePage(std::u16string_view name) {
    std::string bytes;
    Require(!velnix::AppendInCodePage(name, bytes), "a writable name converts");
    return bytes;
}

std::string Decimal(std::size_t value) {
    return velnix::Utf16ToUtf8(velnix::DecimalText(value));
}

// Every line ends in CR LF and holds its back-quotes in pairs; the pair mapkeys "umb0",
// "umb1", … (or those of another prefix) come in order, each with its old name and then its new
// name as a quoted value; and the master mapkey calls them in the same order.
void CheckText(std::string_view text, const NameList& oldNames, const NameList& newNames,
               const std::string& pairPrefix = "umb") {
    const std::string pairMapkey = "mapkey " + pairPrefix;
    const std::string pairCall = "mapkey(continued) ~ ;%" + pairPrefix;
    Require(text.substr(0, 18) == "save_objects all\r\n", "the text starts with save_objects");
    std::size_t pairMapkeys = 0;
    std::size_t pairCalls = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t lf = text.find('\n', start);
        Require(lf != std::string_view::npos, "the text ends with a line end");
        Require(lf > start && text[lf - 1] == '\r', "every line ends in CR LF");
        const std::string_view line = text.substr(start, lf - 1 - start);
        Require(line.find('\r') == std::string_view::npos, "a CR stands only before an LF");
        std::size_t quotes = 0;
        for (const char c : line) {
            quotes += c == '`';
        }
        Require(quotes % 2 == 0, "the back-quotes of a line are balanced");
        if (line.substr(0, pairMapkey.size()) == pairMapkey && line.size() > pairMapkey.size() &&
            line[pairMapkey.size()] >= '0' && line[pairMapkey.size()] <= '9') {
            const std::size_t pair = pairMapkeys++;
            Require(pair < oldNames.size(), "one pair mapkey per pair");
            Require(line == pairMapkey + Decimal(pair) + " ~ ;\\", "the pair mapkeys in order");
            const std::string oldValue = '`' + InCodePage(oldNames[pair]) + '`';
            const std::string newValue = '`' + InCodePage(newNames[pair]) + '`';
            const std::size_t oldAt = text.find(oldValue, lf);
            Require(oldAt != std::string_view::npos, "the pair mapkey opens its old name");
            const std::size_t newAt = text.find(newValue, oldAt + oldValue.size());
            Require(newAt != std::string_view::npos,
                    "the pair mapkey renames to its new name after opening the old one");
            const std::size_t next = text.find("\r\n" + pairMapkey, lf);
            Require(next == std::string_view::npos || newAt < next,
                    "both names are in their own pair mapkey");
        }
        if (line.substr(0, pairCall.size()) == pairCall) {
            Require(line == pairCall + Decimal(pairCalls++) + ";\\",
                    "the master mapkey calls the pair mapkeys in order");
        }
        start = lf + 1;
    }
    Require(pairMapkeys == oldNames.size(), "one pair mapkey per pair");
    Require(pairCalls == oldNames.size(), "the master mapkey calls every pair mapkey");
}

}  // namespace

// The input is names in UTF-8 separated by "|": old name, new name, old name, …; an odd count
// makes lists of different length.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = velnix::fuzz::Bytes(data, size);
    NameList oldNames;
    NameList newNames;
    for (std::size_t start = 0, field = 0; start < bytes.size(); ++field) {
        const std::size_t end = std::min(bytes.find('|', start), bytes.size());
        (field % 2 == 0 ? oldNames : newNames)
            .push_back(velnix::Utf8ToUtf16(bytes.substr(start, end - start)));
        start = end + 1;
    }

    const velnix::Result<velnix::MapkeyPairs> pairs = velnix::EncodePairs(oldNames, newNames);
    if (oldNames.size() != newNames.size()) {
        Require(!pairs.ok() && pairs.error == velnix::kCountsDifferMessage,
                "lists of different length are refused");
        RecordingSink sink;
        Require(!velnix::ComposeMapkeys(velnix::PairsInUtf8(oldNames, newNames),
                                        velnix::TextEnd::OutputBox, sink) &&
                    !sink.expected && sink.blocks == 0,
                "lists of different length compose nothing");
        return 0;
    }
    if (const auto unwritable = FirstUnwritable(oldNames, newNames)) {
        Require(!pairs.ok(), "a name that cannot be written is refused");
        Require(pairs.error.find(*unwritable) != std::u16string::npos,
                "the refusal names list and entry of the first such name");
        return 0;
    }
    Require(pairs.ok(), "writable names of lists of equal length are taken");

    RecordingSink file;
    Require(velnix::ComposeMapkeys(*pairs.value, velnix::TextEnd::RenamePro, file),
            "the composition into a sink that takes every block succeeds");
    Require(file.expected == file.text.size(), "the told length is the length of the text");
    CheckText(file.text, oldNames, newNames);

    // What the window shows, written by OK, is the file the command line writes.
    velnix::StringSink shown;
    Require(velnix::ComposeMapkeys(velnix::PairsInUtf8(oldNames, newNames),
                                   velnix::TextEnd::OutputBox, shown),
            "the window's composition succeeds");
    velnix::StringSink written;
    std::u16string problem;
    Require(velnix::ConvertOutputText(shown.text, written, problem) && written.text == file.text,
            "the window's text written as rename.pro is the composed file");

    // The undo file renames every new name back, the last pair first, under mapkeys of its own;
    // undoing the undo gives rename.pro again.
    const velnix::MapkeyPairs undo = velnix::UndoPairs(*pairs.value);
    velnix::StringSink undoFile;
    Require(
        velnix::ComposeMapkeys(undo, velnix::TextEnd::RenamePro, undoFile, velnix::kUndoMapkeys),
        "the undo file is composed");
    CheckText(undoFile.text, NameList(newNames.rbegin(), newNames.rend()),
              NameList(oldNames.rbegin(), oldNames.rend()), "zur");
    velnix::StringSink redone;
    Require(velnix::ComposeMapkeys(velnix::UndoPairs(undo), velnix::TextEnd::RenamePro, redone) &&
                redone.text == file.text,
            "the undo of the undo file is rename.pro");

    // A sink that refuses a block stops the composition.
    const std::size_t refused = size % 3;
    RecordingSink refusing(refused);
    const bool composed =
        velnix::ComposeMapkeys(*pairs.value, velnix::TextEnd::RenamePro, refusing);
    Require(composed == (refusing.blocks <= refused),
            "the composition fails exactly when the sink refused a block");
    Require(file.text.compare(0, refusing.text.size(), refusing.text) == 0,
            "the blocks before the refusal are the start of the text");
    return 0;
}
