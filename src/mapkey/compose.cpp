#include "mapkey/compose.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "mapkey/builders.h"
#include "util/codepage.h"
#include "util/text.h"
#include "util/unicode.h"

namespace velnix {
namespace {

std::size_t DigitCount(std::size_t value) {
    std::size_t digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

// First pass: the exact length, for the sink's Expect.
class LengthCounter {
  public:
    void Ascii(std::string_view text) { length_ += text.size(); }
    void Name(std::string_view name) { length_ += name.size(); }
    void Index(std::size_t index) { length_ += DigitCount(index); }
    std::size_t length() const { return length_; }

  private:
    std::size_t length_ = 0;
};

// Second pass: collects the pieces in a block that stays in the processor's cache and hands
// it to the sink when full. After the sink refused a block, nothing more goes to it.
class BlockFiller {
  public:
    explicit BlockFiller(BlockSink& sink) : sink_(sink), block_(new char[kBlockSize]) {}

    void Ascii(std::string_view text) { Put(text); }
    void Name(std::string_view name) { Put(name); }
    void Index(std::size_t index) {
        char digits[24];
        const std::size_t length = DigitCount(index);
        for (std::size_t k = length; k > 0; --k, index /= 10) {
            digits[k - 1] = static_cast<char>('0' + index % 10);
        }
        Put(std::string_view(digits, length));
    }
    bool Finish() { return Flush(); }

  private:
    static constexpr std::size_t kBlockSize = std::size_t{64} * 1024;

    void Put(std::string_view piece) {
        if (piece.size() > kBlockSize - used_) {
            Flush();
            if (piece.size() > kBlockSize) {
                ok_ = ok_ && sink_.Write(piece);
                return;
            }
        }
        std::memcpy(block_.get() + used_, piece.data(), piece.size());
        used_ += piece.size();
    }
    bool Flush() {
        if (used_ > 0) {
            ok_ = ok_ && sink_.Write(std::string_view(block_.get(), used_));
            used_ = 0;
        }
        return ok_;
    }

    BlockSink& sink_;
    std::unique_ptr<char[]> block_;
    std::size_t used_ = 0;
    bool ok_ = true;
};

template <class Output>
void Compose(Output& out, const MapkeyPairs& pairs, TextEnd end, const MapkeyNames& names) {
    AppendMapkeys(out, pairs, names);
    if (end == TextEnd::RenamePro) {
        out.Ascii("\r\n");
    }
}

}  // namespace

EncodedNames::Iterator::Iterator(const char* at, const char* end) : at_(at), end_(end) {
    std::size_t length = 0;
    for (unsigned shift = 0; at != end; shift += 7) {
        const auto byte = static_cast<unsigned char>(*at++);
        length |= std::size_t{byte & 0x7Fu} << shift;
        if (byte < 0x80) {
            name_ = std::string_view(at, length);
            return;
        }
    }
}

void EncodedNames::Append(std::string_view name) {
    if (count_ % kIndexStep == 0) {
        indexed_.push_back(bytes_.size());
    }
    std::size_t length = name.size();
    for (; length >= 0x80; length >>= 7) {
        bytes_.push_back(static_cast<char>(0x80 | (length & 0x7F)));
    }
    bytes_.push_back(static_cast<char>(length));
    bytes_.append(name);
    ++count_;
}

EncodedNames::Iterator EncodedNames::IteratorAt(std::size_t index) const {
    const char* const end = bytes_.data() + bytes_.size();
    Iterator name(bytes_.data() + indexed_[index / kIndexStep], end);
    for (std::size_t k = index % kIndexStep; k > 0; --k) {
        ++name;
    }
    return name;
}

std::u16string_view EncodedNamesSource::at(std::size_t index, std::u16string& scratch) const {
    if (!cursor_ || index < cursorIndex_ || index - cursorIndex_ > 16) {
        cursor_ = names_.IteratorAt(index);
        cursorIndex_ = index;
    }
    for (; cursorIndex_ < index; ++cursorIndex_) {
        ++*cursor_;
    }
    const std::string_view name = **cursor_;
    // Widened in place in one pass (assign from char iterators would build a new string);
    // only a name beyond ASCII needs the code page.
    scratch.resize(name.size());
    unsigned char any = 0;
    for (std::size_t k = 0; k < name.size(); ++k) {
        const auto byte = static_cast<unsigned char>(name[k]);
        any |= byte;
        scratch[k] = byte;
    }
    if (any >= 0x80) {
        scratch = DecodeCodePage(name);
    }
    return scratch;
}

void MarkMadeAndRemoved(MapkeyPairs& pairs) {
    pairs.run =
        NamesMadeAndRemoved(EncodedNamesSource(pairs.oldNames), EncodedNamesSource(pairs.newNames));
}

std::vector<bool> AssemblyPairs(const NameSource& oldNames) {
    std::vector<bool> selected(oldNames.size());
    std::u16string scratch;
    for (std::size_t i = 0; i < oldNames.size(); ++i) {
        const std::u16string extension = FileExtension(oldNames.at(i, scratch));
        selected[i] = extension == u".asm" || extension == u".drw";
    }
    return selected;
}

std::vector<bool> AssemblyPairs(const NameList& oldNames) {
    return AssemblyPairs(NameListSource(oldNames));
}

MapkeyPairs PairsInUtf8(const NameList& oldNames, const NameList& newNames) {
    MapkeyPairs pairs;
    for (const auto& name : oldNames) {
        pairs.oldNames.Append(Utf16ToUtf8(name));
    }
    for (const auto& name : newNames) {
        pairs.newNames.Append(Utf16ToUtf8(name));
    }
    pairs.assemblyPairs = AssemblyPairs(oldNames);
    pairs.run = NamesMadeAndRemoved(NameListSource(oldNames), NameListSource(newNames));
    return pairs;
}

MapkeyPairs UndoPairs(const MapkeyPairs& pairs) {
    const auto appendReversed = [](const EncodedNames& names, EncodedNames& reversed) {
        const std::vector<std::string_view> inOrder(names.begin(), names.end());
        std::for_each(inOrder.rbegin(), inOrder.rend(),
                      [&reversed](std::string_view name) { reversed.Append(name); });
    };
    MapkeyPairs undo;
    appendReversed(pairs.newNames, undo.oldNames);
    appendReversed(pairs.oldNames, undo.newNames);
    undo.assemblyPairs = AssemblyPairs(EncodedNamesSource(undo.oldNames));
    MarkMadeAndRemoved(undo);
    undo.loadAlong = pairs.loadAlong;
    return undo;
}

bool ComposeMapkeys(const MapkeyPairs& pairs, TextEnd end, BlockSink& sink,
                    const MapkeyNames& names) {
    if (pairs.oldNames.size() != pairs.newNames.size() ||
        pairs.assemblyPairs.size() != pairs.newNames.size()) {
        return false;
    }
    LengthCounter length;
    Compose(length, pairs, end, names);
    sink.Expect(length.length());
    BlockFiller filler(sink);
    Compose(filler, pairs, end, names);
    return filler.Finish();
}

}  // namespace velnix
