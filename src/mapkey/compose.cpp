#include "mapkey/compose.h"

#include <cstring>

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

}  // namespace velnix
