#include "check/folder_findings.h"

#include <algorithm>

#include "util/text.h"

namespace velnix {
namespace {

std::u16string Quoted(std::u16string_view name) {
    return u"\"" + std::u16string(name) + u"\"";
}

std::vector<bool> PairsOf(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& again,
                          std::uint32_t pairs) {
    std::vector<bool> marked;
    if (!again.empty()) {
        marked.resize(pairs);
        for (const auto& [pair, first] : again) {
            marked[pair] = true;
        }
    }
    return marked;
}

bool Marked(const std::vector<bool>& marks, std::uint32_t pair) {
    return !marks.empty() && marks[pair];
}

// "3 Baugruppen und 1 Zeichnung", "2 Zeichnungen".
std::u16string CountedModels(const NameList& models) {
    const auto assemblies = static_cast<std::size_t>(
        std::count_if(models.begin(), models.end(), [](const std::u16string& model) {
            return model.size() >= 4 && model.compare(model.size() - 4, 4, u".asm") == 0;
        }));
    const std::size_t drawings = models.size() - assemblies;
    const auto counted = [](std::size_t count, const char16_t* one, const char16_t* many) {
        return DecimalText(count) + u" " + (count == 1 ? one : many);
    };
    std::u16string text;
    if (assemblies > 0) {
        text = counted(assemblies, u"Baugruppe", u"Baugruppen");
    }
    if (drawings > 0) {
        text += (text.empty() ? u"" : u" und ") + counted(drawings, u"Zeichnung", u"Zeichnungen");
    }
    return text;
}

// The first few names, and how many more there are.
std::u16string SomeNames(const NameList& names) {
    constexpr std::size_t kShown = 5;
    std::u16string text;
    for (std::size_t k = 0; k < std::min(names.size(), kShown); ++k) {
        text += (k == 0 ? u"" : u", ") + names[k];
    }
    if (names.size() > kShown) {
        text += u" und " + DecimalText(names.size() - kShown) + u" weitere";
    }
    return text;
}

}  // namespace

OrderInFolder ReadOrderInFolder(const NameSource& oldNames, const NameSource& newNames,
                                const CheckOptions& options) {
    OrderInFolder read{options.intermediates,
                       ReadRenameOrder(oldNames, newNames, options.intermediates)};
    if (options.folder == nullptr || !options.folder->models) {
        return read;
    }
    const FolderModels& folder = *options.folder->models;
    const RenameOrder& order = read.order;
    std::u16string scratch;
    const auto inFolder = [&](std::uint32_t pair) {
        return folder.Has(oldNames.at(pair, scratch));
    };
    // The pair that frees or keeps another pair's new name has that name as its old name: when
    // the folder lacks it, that other pair makes it.
    std::vector<std::uint32_t> makerOf;
    for (std::uint32_t i = 0; i < order.pairs(); ++i) {
        for (const std::uint32_t holder : {order.FreedBy(i), order.HeldBy(i)}) {
            if (holder != kNoPair && (makerOf.empty() || makerOf[holder] == kNoPair) &&
                !inFolder(holder)) {
                makerOf.resize(order.pairs(), kNoPair);
                makerOf[holder] = i;
            }
        }
    }
    if (makerOf.empty()) {
        return read;
    }
    // Made only from a file of the folder, through pairs that each make the next one's old
    // name: where the makers go round in a circle, none of the names exists.
    enum class Made : char { Unknown, Asked, Yes, No };
    std::vector<Made> made(order.pairs(), Made::Unknown);
    std::vector<std::uint32_t> chain;
    for (std::uint32_t start = 0; start < order.pairs(); ++start) {
        if (makerOf[start] == kNoPair || made[start] != Made::Unknown) {
            continue;
        }
        std::uint32_t pair = start;
        for (; makerOf[pair] != kNoPair && made[pair] == Made::Unknown; pair = makerOf[pair]) {
            made[pair] = Made::Asked;
            chain.push_back(pair);
        }
        // The first maker's old name is a file, or an intermediate name made by the run.
        const bool exists = makerOf[pair] == kNoPair
                                ? order.MadeBy(pair) != kNoPair || inFolder(pair)
                                : made[pair] == Made::Yes;
        for (const std::uint32_t link : chain) {
            made[link] = exists ? Made::Yes : Made::No;
            if (exists) {
                read.made.emplace_back(oldNames.at(link, scratch));
            }
        }
        chain.clear();
    }
    if (read.made.size() > options.intermediates.size()) {
        read.order = ReadRenameOrder(oldNames, newNames, read.made);
    }
    return read;
}

FolderFindings::FolderFindings(const NameSource& oldNames, const NameSource& newNames,
                               const RenameOrder& order, const CheckOptions& options)
    : folder_(*options.folder),
      order_(order),
      loadFolder_(options.loadFolder),
      repeatsOld_(PairsOf(order.oldAgain, order.pairs())),
      repeatsNew_(PairsOf(order.newAgain, order.pairs())) {
    if (folder_.models) {
        session_ = std::make_unique<SessionModels>(oldNames, newNames, *folder_.models);
    }
}

std::optional<std::pair<FindingCode, std::u16string>> FolderFindings::Whole(bool withText) const {
    if (!session_) {
        return std::pair{FindingCode::FolderUnreadable,
                         withText ? u"Der Ordner " + Quoted(folder_.path) +
                                        u" lässt sich nicht lesen (" + folder_.unreadable +
                                        u"); geprüft ist nur die Liste selbst."
                                  : std::u16string()};
    }
    if (loadFolder_ || !session_->renamesPartOrAssembly()) {
        return std::nullopt;
    }
    const NameList missing = session_->NotInList();
    if (missing.empty()) {
        return std::nullopt;
    }
    if (!withText) {
        return std::pair{FindingCode::NotInSession, std::u16string()};
    }
    const bool one = missing.size() == 1;
    return std::pair{
        FindingCode::NotInSession,
        u"Im Ordner " + Quoted(folder_.path) + (one ? u" liegt " : u" liegen ") +
            CountedModels(missing) +
            (one ? u", die nicht in der Liste steht (" : u", die nicht in der Liste stehen (") +
            SomeNames(missing) + (one ? u"): sie ist" : u"): sie sind") +
            u" beim Umbenennen nicht geladen, ihre Verweise auf umbenannte Modelle gehen "
            u"verloren."};
}

void FolderFindings::OfPair(std::uint32_t pair, std::u16string_view oldName,
                            std::u16string_view newName, std::vector<FindingCode>& codes) {
    if (!session_) {
        return;
    }
    const FolderModels& models = *folder_.models;
    // A name that the run makes before this pair is no file yet; one that it makes later is
    // the list check's wrong order.
    if (!oldName.empty() && order_.MadeBy(pair) == kNoPair && !Marked(repeatsOld_, pair) &&
        !models.Has(oldName)) {
        codes.push_back(FindingCode::MissingInFolder);
    }
    // A name that another pair frees or keeps is the list check's: wrong order, ring or held.
    if (order_.moves[pair] && order_.FreedBy(pair) == kNoPair && order_.HeldBy(pair) == kNoPair &&
        !Marked(repeatsNew_, pair) && models.Has(newName)) {
        codes.push_back(FindingCode::TakenInFolder);
    }
    if (const auto drawing = session_->DrawingLeftOut(oldName, newName)) {
        if (drawingsSaid_.insert(*drawing).second) {
            codes.push_back(FindingCode::DrawingNotListed);
        }
    }
}

std::u16string FolderFindings::Sentence(FindingCode code, std::u16string_view oldName,
                                        std::u16string_view newName) const {
    switch (code) {
        case FindingCode::MissingInFolder:
            return u"den alten Namen gibt es im Ordner " + Quoted(folder_.path) +
                   u" nicht; das Öffnen schlägt fehl.";
        case FindingCode::TakenInFolder:
            return u"den neuen Namen gibt es im Ordner " + Quoted(folder_.path) +
                   u" schon; das Umbenennen schlägt fehl.";
        default:  // DrawingNotListed
            return u"die Zeichnung " +
                   Quoted(session_->DrawingLeftOut(oldName, newName).value_or(u"")) +
                   u" im Ordner heißt wie dieses Modell, steht aber nicht in der Liste und "
                   u"behielte ihren Namen.";
    }
}

}  // namespace velnix
