#include "check/list_check.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "check/name_rules.h"
#include "util/codepage.h"
#include "util/text.h"

namespace velnix {
namespace {

constexpr std::uint32_t kNone = UINT32_MAX;

// Open addressing over positions: the names stay in their lists, the table holds four bytes a
// slot, so that a million pairs cost a few megabytes here. At most half the slots are taken,
// which keeps the probes short.
template <class Key>  // std::u16string_view(std::uint32_t index, std::u16string& scratch)
class NameTable {
  public:
    NameTable(std::size_t count, Key key) : mask_(SlotCount(count) - 1), key_(key) {
        slots_.assign(mask_ + 1, kNone);
    }

    // The position already stored under the same name, or nothing after storing `index`.
    std::optional<std::uint32_t> Insert(std::u16string_view name, std::uint32_t index) {
        std::uint32_t& slot = slots_[Probe(name)];
        if (slot != kNone) {
            return slot;
        }
        slot = index;
        return std::nullopt;
    }

    std::optional<std::uint32_t> Find(std::u16string_view name) const {
        const std::uint32_t slot = slots_[Probe(name)];
        return slot == kNone ? std::nullopt : std::optional(slot);
    }

  private:
    static std::size_t SlotCount(std::size_t count) {
        std::size_t slots = 16;
        while (slots < 2 * count) {
            slots *= 2;
        }
        return slots;
    }

    std::size_t Probe(std::u16string_view name) const {
        std::size_t at = HashFolded(name) & mask_;
        while (slots_[at] != kNone && !EqualFolded(key_(slots_[at], scratch_), name)) {
            at = (at + 1) & mask_;
        }
        return at;
    }

    std::size_t mask_;
    Key key_;
    std::vector<std::uint32_t> slots_;
    mutable std::u16string scratch_;
};

std::u16string Quoted(std::u16string_view name) {
    return u"\"" + std::u16string(name) + u"\"";
}

std::u16string RowList(const std::vector<std::uint32_t>& rows) {
    constexpr std::size_t kShown = 6;
    std::u16string text;
    const std::size_t shown = std::min(rows.size(), kShown);
    for (std::size_t k = 0; k < shown; ++k) {
        const bool last = k + 1 == shown && rows.size() <= kShown;
        text += k == 0 ? u"" : last ? u" und " : u", ";
        text += DecimalText(rows[k] + 1);
    }
    if (rows.size() > kShown) {
        text += u" und " + DecimalText(rows.size() - kShown) + u" weitere";
    }
    return text;
}

using Successors = std::unordered_map<std::uint32_t, std::uint32_t>;

class Checker {
  public:
    // Without `findings` only the counts are kept: a long list's messages would cost more
    // than the list itself.
    Checker(const NameSource& oldNames, const NameSource& newNames, std::vector<Finding>* findings)
        : oldNames_(oldNames),
          newNames_(newNames),
          pairs_(static_cast<std::uint32_t>(std::min(oldNames.size(), newNames.size()))),
          findings_(findings) {}

    FindingCounts Run() {
        if (oldNames_.size() != newNames_.size()) {
            Keep({Severity::Error, 0, FindingCode::CountsDiffer,
                  u"Die Listen sind verschieden lang: " + DecimalText(oldNames_.size()) +
                      u" alte und " + DecimalText(newNames_.size()) + u" neue Namen."});
        }
        for (std::uint32_t i = 0; i < pairs_; ++i) {
            CheckPair(i);
        }
        CheckDuplicatesAndOrder();
        CheckDrawings();
        if (findings_ != nullptr) {
            std::stable_sort(
                findings_->begin(), findings_->end(), [](const auto& a, const auto& b) {
                    return a.pair != b.pair ? a.pair < b.pair : a.severity < b.severity;
                });
        }
        return counts_;
    }

  private:
    std::u16string_view Old(std::uint32_t i, std::u16string& scratch) const {
        return oldNames_.at(i, scratch);
    }
    std::u16string_view New(std::uint32_t i, std::u16string& scratch) const {
        return newNames_.at(i, scratch);
    }

    void Keep(Finding finding) {
        ++(finding.severity == Severity::Error ? counts_.errors : counts_.warnings);
        if (findings_ != nullptr) {
            findings_->push_back(std::move(finding));
        }
    }

    void Add(std::uint32_t i, Severity severity, FindingCode code, std::u16string_view text) {
        std::u16string oldScratch;
        std::u16string newScratch;
        Keep({severity, i + std::size_t{1}, code,
              findings_ == nullptr
                  ? std::u16string()
                  : Quoted(Old(i, oldScratch)) + u" → " + Quoted(New(i, newScratch)) + u": " +
                        std::u16string(text)});
    }

    void CheckPair(std::uint32_t i) {
        const std::u16string_view oldName = Old(i, pairOld_);
        const std::u16string_view newName = New(i, pairNew_);
        takesName_[i] = !newName.empty() && !EqualFolded(oldName, newName);
        if (EqualFolded(SplitName(oldName).extension, u".drw")) {
            drawings_.push_back(i);
        }
        const std::u16string_view oldType = SplitName(oldName).extension;
        if (oldName.empty()) {
            Add(i, Severity::Error, FindingCode::OldEmpty, u"der alte Name ist leer.");
        } else if (!IsModelType(oldType)) {
            Add(i, Severity::Warning, FindingCode::UnknownType,
                (oldType.empty() ? u"der alte Name hat keine Endung"
                                 : u"die Endung \"" + std::u16string(oldType) + u"\" ist") +
                    u" keiner der Modelltypen von Pro/ENGINEER (.prt .asm .drw .frm .sec .lay "
                    u".mfg .dgm).");
        }
        if (newName.empty()) {
            Add(i, Severity::Error, FindingCode::NewEmpty, u"der neue Name ist leer.");
        } else if (EqualFolded(oldName, newName)) {
            Add(i, Severity::Warning, FindingCode::Unchanged,
                u"alter und neuer Name sind gleich, es gibt nichts umzubenennen.");
        } else {
            CheckNewName(i, newName, oldName.empty() ? std::u16string_view() : oldType);
        }
    }

    void CheckNewName(std::uint32_t i, std::u16string_view name, std::u16string_view oldType) {
        if (name.find_first_of(u"\\/:") != std::u16string_view::npos) {
            Add(i, Severity::Error, FindingCode::Folder,
                u"der neue Name enthält einen Ordner; das Umbenennen nimmt nur den bloßen "
                u"Namen mit Endung.");
            return;
        }
        const NameParts parts = SplitName(name);
        if (parts.extension.size() <= 1) {
            Add(i, Severity::Error, FindingCode::NoExtension,
                u"der neue Name hat keine Endung wie .prt, .asm oder .drw.");
        } else if (!parts.rest.empty()) {
            const bool version =
                parts.rest.find_first_not_of(u"0123456789", 1) == std::u16string_view::npos &&
                parts.rest.size() > 1;
            Add(i, Severity::Error, version ? FindingCode::Version : FindingCode::BadCharacter,
                version
                    ? u"der neue Name trägt eine Versionsnummer (\"" + std::u16string(parts.rest) +
                          u"\"); das Umbenennen nimmt nur den bloßen Namen mit Endung."
                    : std::u16string(u"der neue Name hat mehr als einen Punkt."));
        } else if (!oldType.empty() && !EqualFolded(parts.extension, oldType)) {
            Add(i, Severity::Error, FindingCode::TypeChanged,
                u"der neue Name hat die Endung \"" + std::u16string(parts.extension) +
                    u"\", der alte \"" + std::u16string(oldType) +
                    u"\"; ein Umbenennen behält den Typ.");
        }
        CheckBase(i, parts.base);
    }

    // Pro/ENGINEER's rules for the name in front of the extension.
    void CheckBase(std::uint32_t i, std::u16string_view base) {
        if (base.empty()) {
            Add(i, Severity::Error, FindingCode::NewEmpty,
                u"vor der Endung des neuen Namens steht kein Name.");
            return;
        }
        if (base.size() > kMaxBaseLength) {
            Add(i, Severity::Error, FindingCode::TooLong,
                u"der neue Name ist ohne Endung " + DecimalText(base.size()) +
                    u" Zeichen lang; Pro/ENGINEER erlaubt höchstens 31.");
        }
        const auto bad =
            std::find_if(base.begin(), base.end(), [](char16_t c) { return !IsNameCharacter(c); });
        if (bad != base.end()) {
            Add(i, Severity::Error, FindingCode::BadCharacter,
                u"der neue Name enthält das Zeichen " + DescribeChar(*bad) +
                    u"; erlaubt sind Buchstaben, Ziffern, - und _.");
        }
        if (base.front() == u'-') {
            Add(i, Severity::Error, FindingCode::LeadingDash,
                u"der neue Name beginnt mit einem Bindestrich.");
        }
        const auto accented = std::find_if(
            base.begin(), base.end(), [](char16_t c) { return c > 0x7F && IsNameCharacter(c); });
        if (accented != base.end()) {
            Add(i, Severity::Warning, FindingCode::NonAsciiLetter,
                u"der neue Name enthält " + DescribeChar(*accented) +
                    u"; Buchstaben außerhalb von ASCII nehmen nur neuere Versionen von "
                    u"Pro/ENGINEER an, je nach Spracheinstellung.");
        }
    }

    // The same name twice, and new names that another pair frees: before this pair runs
    // (a chain in the right order), after it (the wrong order) or in a ring. One table at a
    // time, and only the pairs that take a freed name remembered, keeps a long list cheap.
    void CheckDuplicatesAndOrder() {
        std::u16string scratch;
        {
            NameTable newTable(pairs_,
                               [this](std::uint32_t j, std::u16string& s) { return New(j, s); });
            for (std::uint32_t i = 0; i < pairs_; ++i) {
                if (!takesName_[i]) {
                    continue;
                }
                if (const auto first = newTable.Insert(New(i, scratch), i)) {
                    Add(i, Severity::Error, FindingCode::NewTwice,
                        u"derselbe neue Name steht schon in Zeile " + DecimalText(*first + 1) +
                            u"; das zweite Umbenennen findet den Namen belegt.");
                }
            }
        }
        NameTable oldTable(pairs_,
                           [this](std::uint32_t j, std::u16string& s) { return Old(j, s); });
        for (std::uint32_t i = 0; i < pairs_; ++i) {
            const std::u16string_view name = Old(i, scratch);
            if (const auto first = name.empty() ? std::nullopt : oldTable.Insert(name, i)) {
                Add(i, Severity::Error, FindingCode::OldTwice,
                    u"derselbe alte Name steht schon in Zeile " + DecimalText(*first + 1) +
                        u"; das zweite Öffnen findet die Datei nicht mehr.");
            }
        }
        // The pair that frees the name that a pair takes. A temporary name of the order
        // repair exists only once its pair made it.
        Successors next;
        for (std::uint32_t i = 0; i < pairs_; ++i) {
            const std::u16string_view name = takesName_[i] ? New(i, scratch) : u"";
            if (!name.empty() && !IsTemporaryName(name)) {
                if (const auto frees = oldTable.Find(name)) {
                    next.emplace(i, *frees);
                }
            }
        }
        const std::unordered_set<std::uint32_t> onRing = FindRings(next);
        for (const auto& [i, j] : next) {
            if (j > i && onRing.count(i) == 0) {
                Add(i, Severity::Error, FindingCode::WrongOrder,
                    u"der neue Name ist noch belegt, Zeile " + DecimalText(j + 1) +
                        u" benennt ihn erst später um; die Reparatur der Reihenfolge ordnet die "
                        u"Zeilen richtig.");
            }
        }
    }

    // Each pair has at most one successor, so the rings are the cycles of a functional graph.
    std::unordered_set<std::uint32_t> FindRings(const Successors& next) {
        enum : std::uint8_t { kOnPath = 1, kDone };
        std::unordered_map<std::uint32_t, std::uint8_t> state;
        std::unordered_set<std::uint32_t> onRing;
        std::vector<std::uint32_t> path;
        for (const auto& edge : next) {
            path.clear();
            std::uint32_t at = edge.first;
            for (auto step = next.find(at); step != next.end() && state[at] == 0;
                 step = next.find(at)) {
                state[at] = kOnPath;
                path.push_back(at);
                at = step->second;
            }
            if (state[at] == kOnPath) {
                std::vector<std::uint32_t> ring(std::find(path.begin(), path.end(), at),
                                                path.end());
                std::sort(ring.begin(), ring.end());
                for (const std::uint32_t i : ring) {
                    onRing.insert(i);
                    Add(i, Severity::Error, FindingCode::Ring,
                        u"die Zeilen " + RowList(ring) +
                            u" tauschen ihre Namen im Ring, das kann keine Reihenfolge; "
                            u"die Reparatur der Reihenfolge öffnet den Ring über einen "
                            u"Zwischennamen.");
                }
            }
            for (const std::uint32_t i : path) {
                state[i] = kDone;
            }
        }
        return onRing;
    }

    // Most users name a drawing after its model: renaming the model and not the drawing alike
    // leaves a drawing whose name no longer tells its model. Drawings are few, so the table
    // holds them and the models look themselves up.
    void CheckDrawings() {
        std::u16string scratch;
        const std::vector<std::uint32_t>& drawings = drawings_;
        if (drawings.empty()) {
            return;
        }
        NameTable drawingBases(drawings.size(), [this](std::uint32_t j, std::u16string& s) {
            return SplitName(Old(j, s)).base;
        });
        for (const std::uint32_t d : drawings) {
            drawingBases.Insert(SplitName(Old(d, scratch)).base, d);
        }
        struct Models {
            std::optional<std::uint32_t> renamed;  // the first model pair that renames it
            bool matched = false;                  // a model keeps the drawing's new name
        };
        std::unordered_map<std::uint32_t, Models> modelsOf;
        std::u16string newScratch;
        std::u16string drawingScratch;
        for (std::uint32_t i = 0; i < pairs_; ++i) {
            const NameParts model = SplitName(Old(i, scratch));
            if (!EqualFolded(model.extension, u".prt") && !EqualFolded(model.extension, u".asm")) {
                continue;
            }
            if (const auto d = drawingBases.Find(model.base)) {
                const std::u16string_view modelNew = SplitName(New(i, newScratch)).base;
                Models& models = modelsOf[*d];
                models.matched = models.matched ||
                                 EqualFolded(modelNew, SplitName(New(*d, drawingScratch)).base);
                if (!models.renamed && !EqualFolded(model.base, modelNew)) {
                    models.renamed = i;
                }
            }
        }
        for (const auto& [d, models] : modelsOf) {
            if (models.renamed && !models.matched) {
                Add(d, Severity::Warning, FindingCode::DrawingName,
                    u"die Zeichnung heißt danach nicht mehr wie ihr Modell, das Zeile " +
                        DecimalText(*models.renamed + 1) + u" in " +
                        Quoted(New(*models.renamed, newScratch)) + u" umbenennt.");
            }
        }
    }

    const NameSource& oldNames_;
    const NameSource& newNames_;
    const std::uint32_t pairs_;
    std::vector<Finding>* findings_;
    FindingCounts counts_;
    std::u16string pairOld_;  // the names of the pair that CheckPair looks at
    std::u16string pairNew_;
    // What CheckPair learns for the later passes, so that they read fewer names.
    std::vector<bool> takesName_ = std::vector<bool>(pairs_);  // a new name other than the old
    std::vector<std::uint32_t> drawings_;
};

}  // namespace

std::vector<Finding> CheckLists(const NameSource& oldNames, const NameSource& newNames) {
    std::vector<Finding> findings;
    Checker(oldNames, newNames, &findings).Run();
    return findings;
}

FindingCounts CountProblems(const NameSource& oldNames, const NameSource& newNames) {
    return Checker(oldNames, newNames, nullptr).Run();
}

std::vector<Finding> CheckLists(const NameList& oldNames, const NameList& newNames) {
    return CheckLists(NameListSource(oldNames), NameListSource(newNames));
}

std::u16string SeverityLabel(Severity severity) {
    return severity == Severity::Error ? u"Fehler" : u"Warnung";
}

const char* FindingCodeName(FindingCode code) {
    switch (code) {
        case FindingCode::CountsDiffer:
            return "laenge";
        case FindingCode::OldEmpty:
            return "alt-leer";
        case FindingCode::NewEmpty:
            return "neu-leer";
        case FindingCode::OldTwice:
            return "alt-doppelt";
        case FindingCode::NewTwice:
            return "neu-doppelt";
        case FindingCode::WrongOrder:
            return "reihenfolge";
        case FindingCode::Ring:
            return "ring";
        case FindingCode::TypeChanged:
            return "typ";
        case FindingCode::NoExtension:
            return "keine-endung";
        case FindingCode::Folder:
            return "ordner";
        case FindingCode::Version:
            return "version";
        case FindingCode::TooLong:
            return "zu-lang";
        case FindingCode::BadCharacter:
            return "zeichen";
        case FindingCode::LeadingDash:
            return "bindestrich";
        case FindingCode::Unchanged:
            return "unveraendert";
        case FindingCode::NonAsciiLetter:
            return "umlaut";
        case FindingCode::UnknownType:
            return "unbekannter-typ";
        case FindingCode::DrawingName:
            return "zeichnungsname";
    }
    return "";
}

bool IsOrderFinding(const Finding& finding) {
    return finding.code == FindingCode::WrongOrder || finding.code == FindingCode::Ring;
}

FindingCounts CountFindings(const std::vector<Finding>& findings) {
    FindingCounts counts;
    for (const auto& finding : findings) {
        ++(finding.severity == Severity::Error ? counts.errors : counts.warnings);
    }
    return counts;
}

std::u16string SummaryText(FindingCounts counts) {
    if (counts.errors == 0 && counts.warnings == 0) {
        return u"Keine Probleme";
    }
    std::u16string text;
    if (counts.errors > 0) {
        text = DecimalText(counts.errors) + u" Fehler";
    }
    if (counts.warnings > 0) {
        text += (text.empty() ? u"" : u", ") + DecimalText(counts.warnings) +
                (counts.warnings == 1 ? u" Warnung" : u" Warnungen");
    }
    return text;
}

}  // namespace velnix
