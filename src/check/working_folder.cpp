#include "check/working_folder.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "check/name_rules.h"
#include "util/os_error.h"
#include "util/paths.h"

namespace velnix {

namespace {

// The length of the file name without its version. Only the versions that Pro/ENGINEER
// writes, "name.ext.N": in "a.12" the digits are the extension, and in "a.prt.1.2" nothing is
// a version number. Lower case changes neither dots nor digits.
std::size_t ModelLength(std::u16string_view fileName) {
    const NameParts parts = SplitName(fileName);
    const bool version = parts.extension.size() > 1 && parts.rest.size() > 1 &&
                         parts.rest.find_first_not_of(u"0123456789", 1) == std::u16string::npos;
    return fileName.size() - (version ? parts.rest.size() : 0);
}

}  // namespace

std::u16string ModelName(std::u16string_view fileName) {
    return Folded(fileName.substr(0, ModelLength(fileName)));
}

FolderModels::FolderModels(const NameList& fileNames) {
    for (const auto& fileName : fileNames) {
        Add(fileName);
    }
}

std::u16string_view FolderModels::operator[](std::size_t model) const {
    const std::size_t end = model + 1 < starts_.size() ? starts_[model + 1] : names_.size();
    return std::u16string_view(names_).substr(starts_[model], end - starts_[model]);
}

// Open addressing over a power of two at most half full: a miss ends at the first free slot.
std::optional<std::size_t> FolderModels::Find(std::u16string_view name) const {
    if (slots_.empty()) {
        return std::nullopt;
    }
    const std::u16string_view model = name.substr(0, ModelLength(name));
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = HashFolded(model) & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        if (EqualFolded(model, (*this)[slots_[slot] - 1])) {
            return slots_[slot] - 1;
        }
    }
    return std::nullopt;
}

void FolderModels::Add(std::u16string_view fileName) {
    if (2 * (size() + 1) > slots_.size()) {
        Grow();
    }
    const std::u16string_view model = fileName.substr(0, ModelLength(fileName));
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = HashFolded(model) & mask;
    for (; slots_[slot] != 0; slot = (slot + 1) & mask) {
        if (EqualFolded(model, (*this)[slots_[slot] - 1])) {
            return;
        }
    }
    slots_[slot] = static_cast<std::uint32_t>(size() + 1);
    starts_.push_back(static_cast<std::uint32_t>(names_.size()));
    for (const char16_t c : model) {
        names_.push_back(FoldCase(c));
    }
}

void FolderModels::Grow() {
    slots_.assign(std::max<std::size_t>(64, 2 * slots_.size()), 0);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t model = 0; model < size(); ++model) {
        std::size_t slot = HashFolded((*this)[model]) & mask;
        while (slots_[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        slots_[slot] = static_cast<std::uint32_t>(model + 1);
    }
}

NameList FolderModels::sorted() const {
    NameList models;
    models.reserve(size());
    for (std::size_t model = 0; model < size(); ++model) {
        models.emplace_back((*this)[model]);
    }
    std::sort(models.begin(), models.end());
    return models;
}

bool FolderModels::operator==(const FolderModels& other) const {
    if (size() != other.size()) {
        return false;
    }
    for (std::size_t model = 0; model < size(); ++model) {
        if (!other.Has((*this)[model])) {
            return false;
        }
    }
    return true;
}

WorkingFolder ReadWorkingFolder(std::u16string_view folder) {
    return ReadWorkingFolder(ToFsPath(folder), std::u16string(folder));
}

WorkingFolder ReadWorkingFolder(const std::filesystem::path& folder, std::u16string shown) {
    WorkingFolder read{std::move(shown), FolderModels(), {}};
    const std::error_code error =
        ForEachFileName(folder, [&read](std::u16string_view name) { read.models->Add(name); });
    if (error) {
        read.models.reset();
        read.unreadable = Reason(error);
    }
    return read;
}

}  // namespace velnix
