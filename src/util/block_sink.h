// The receiver of a text handed over block by block: a file being written, standard output, a
// string.
#pragma once

#include <cstddef>
#include <string_view>

namespace velnix {

class BlockSink {
  public:
    virtual ~BlockSink() = default;
    // The length of the whole text, told before the first block by writers that know it.
    virtual void Expect(std::size_t length) { static_cast<void>(length); }
    // False when the block could not be taken; the writer stops then.
    virtual bool Write(std::string_view block) = 0;
};

}  // namespace velnix
