// What the fuzz targets share: stopping on a broken invariant, the input bytes as text, and
// which characters the code page holds.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "util/codepage.h"

namespace velnix::fuzz {

// Names the invariant and aborts, so that libFuzzer keeps the input as a crash.
inline void Require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n", invariant);
        std::abort();
    }
}

inline std::string_view Bytes(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Each byte as the character of the same number: the ASCII that the line and path rules look
// at stays one byte, which keeps the fuzzer's mutations short.
inline std::u16string Widened(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        text.push_back(static_cast<unsigned char>(b));
    }
    return text;
}

// Whether one of the code page's 256 bytes is the character. A one-byte code page that
// round-trips has 256 different ones.
inline bool InCodePage(char16_t c) {
    static const std::bitset<0x10000> chars = [] {
        std::string everyByte;
        for (int b = 0; b < 256; ++b) {
            everyByte.push_back(static_cast<char>(b));
        }
        const std::u16string decoded = DecodeCodePage(everyByte);
        Require(decoded.size() == 256, "every byte of the code page is one character");
        std::bitset<0x10000> set;
        for (const char16_t d : decoded) {
            set.set(d);
        }
        Require(set.count() == 256, "no two bytes of the code page are the same character");
        return set;
    }();
    return chars.test(c);
}

}  // namespace velnix::fuzz
