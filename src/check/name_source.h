// A list of names read by position: the check reads the window's lists and the command line's
// compact lists alike, without copying either.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "names/name_list.h"

namespace velnix {

class NameSource {
  public:
    virtual ~NameSource() = default;
    virtual std::size_t size() const = 0;
    // The name at `index`; a list that keeps its names in other bytes decodes into `scratch`.
    virtual std::u16string_view at(std::size_t index, std::u16string& scratch) const = 0;
};

class NameListSource final : public NameSource {
  public:
    explicit NameListSource(const NameList& names) : names_(names) {}
    std::size_t size() const override { return names_.size(); }
    std::u16string_view at(std::size_t index, std::u16string&) const override {
        return names_[index];
    }

  private:
    const NameList& names_;
};

}  // namespace velnix
