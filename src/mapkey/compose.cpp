#include "mapkey/compose.h"

#include <cstring>
#include <memory>

#include "mapkey/builders.h"
#include "util/text.h"

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

// First pass: the exact length, so that the text is allocated once.
class LengthSink {
  public:
    void Ascii(std::string_view text) { length_ += text.size(); }
    template <class Text>
    void Name(const Text& name) {
        length_ += name.size();
    }
    void Index(std::size_t index) { length_ += DigitCount(index); }
    std::size_t length() const { return length_; }

  private:
    std::size_t length_ = 0;
};

// Second pass: writes into the text allocated by the first.
template <class Char>
class FillSink {
  public:
    explicit FillSink(Char* cursor) : cursor_(cursor) {}

    void Ascii(std::string_view text) {
        if constexpr (sizeof(Char) == 1) {
            std::memcpy(cursor_, text.data(), text.size());
            cursor_ += text.size();
        } else {
            for (const char c : text) {
                *cursor_++ = static_cast<Char>(static_cast<unsigned char>(c));
            }
        }
    }
    void Name(const std::basic_string<Char>& name) {
        std::memcpy(cursor_, name.data(), name.size() * sizeof(Char));
        cursor_ += name.size();
    }
    void Index(std::size_t index) {
        const std::size_t digits = DigitCount(index);
        for (std::size_t k = digits; k > 0; --k) {
            cursor_[k - 1] = static_cast<Char>('0' + index % 10);
            index /= 10;
        }
        cursor_ += digits;
    }

  private:
    Char* cursor_;
};

// Collects the pieces in a block that stays in the processor's cache and hands it on full.
class BlockSink {
  public:
    explicit BlockSink(const ByteWriter& write) : write_(write) {}

    void Ascii(std::string_view text) { Put(text); }
    void Name(const std::string& name) { Put(name); }
    void Index(std::size_t index) {
        char digits[24];
        std::size_t length = DigitCount(index);
        for (std::size_t k = length; k > 0; --k, index /= 10) {
            digits[k - 1] = static_cast<char>('0' + index % 10);
        }
        Put(std::string_view(digits, length));
    }
    bool Finish() { return Flush(); }

  private:
    static constexpr std::size_t kBlockSize = 64 * 1024;

    void Put(std::string_view piece) {
        if (used_ + piece.size() > kBlockSize) {
            Flush();
            if (piece.size() > kBlockSize) {
                ok_ = ok_ && write_(piece);
                return;
            }
        }
        std::memcpy(block_ + used_, piece.data(), piece.size());
        used_ += piece.size();
    }
    bool Flush() {
        if (used_ > 0) {
            ok_ = ok_ && write_(std::string_view(block_, used_));
            used_ = 0;
        }
        return ok_;
    }

    const ByteWriter& write_;
    char block_[kBlockSize];
    std::size_t used_ = 0;
    bool ok_ = true;
};

template <class Char>
std::basic_string<Char> Compose(const std::vector<std::basic_string<Char>>& oldNames,
                                const std::vector<std::basic_string<Char>>& newNames,
                                const std::vector<bool>& assemblyPairs) {
    if (oldNames.size() != newNames.size() || assemblyPairs.size() != newNames.size()) {
        return {};
    }
    LengthSink length;
    ComposeMapkeys(length, oldNames, newNames, assemblyPairs);
    std::basic_string<Char> text;
    text.reserve(length.length() + 2);  // room for the CR LF that ends the file
    text.resize(length.length());
    FillSink<Char> fill(&text[0]);
    ComposeMapkeys(fill, oldNames, newNames, assemblyPairs);
    return text;
}

}  // namespace

std::vector<bool> AssemblyPairs(const NameList& oldNames) {
    std::vector<bool> selected(oldNames.size());
    for (std::size_t i = 0; i < oldNames.size(); ++i) {
        const std::u16string extension = FileExtension(oldNames[i]);
        selected[i] = extension == u".asm" || extension == u".drw";
    }
    return selected;
}

std::u16string ComposeMapkeyText(const NameList& oldNames, const NameList& newNames) {
    return Compose(oldNames, newNames, AssemblyPairs(oldNames));
}

std::string ComposeMapkeyBytes(const std::vector<std::string>& oldNames,
                               const std::vector<std::string>& newNames,
                               const std::vector<bool>& assemblyPairs) {
    return Compose(oldNames, newNames, assemblyPairs);
}

bool StreamMapkeyBytes(const std::vector<std::string>& oldNames,
                       const std::vector<std::string>& newNames,
                       const std::vector<bool>& assemblyPairs, const ByteWriter& write) {
    if (oldNames.size() != newNames.size() || assemblyPairs.size() != newNames.size()) {
        return false;
    }
    auto sink = std::make_unique<BlockSink>(write);
    ComposeMapkeys(*sink, oldNames, newNames, assemblyPairs);
    return sink->Finish();
}

}  // namespace velnix
