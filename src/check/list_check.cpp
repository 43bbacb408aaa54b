#include "check/list_check.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "check/drawing_names.h"
#include "check/folder_findings.h"
#include "check/name_rules.h"
#include "check/name_table.h"
#include "check/rename_order.h"
#include "mapkey/pair_check.h"
#include "util/codepage.h"
#include "util/text.h"

namespace velnix {
namespace {

std::u16string Quoted(std::u16string_view name) {
    return u"\"" + std::u16string(name) + u"\"";
}

// UnwritableReason for names beyond printable ASCII and the back-quote only: every code page
// holds the others and they end no line of a mapkey, so that most names need no closer look.
std::optional<std::u16string> WhyUnwritable(std::u16string_view name, std::string& scratch) {
    bool plain = true;  // without an early end, the loop runs on whole vectors of characters
    for (const char16_t c : name) {
        plain &= c >= 0x20 && c < 0x7F && c != u'`';
    }
    return plain ? std::nullopt : UnwritableReason(name, scratch);
}

// A finding that needs the whole list, kept small until the check reaches its pair.
struct Pending {
    std::uint32_t pair;
    FindingCode code;
    std::uint32_t other;  // the pair it names, or for a ring the ring
};

// The sentence of a finding that names one other row: the words before the row and after it.
std::pair<std::u16string, std::u16string> AroundOtherRow(FindingCode code) {
    switch (code) {
        case FindingCode::OldTwice:
            return {u"derselbe alte Name steht schon in Zeile ",
                    u"; das zweite Öffnen findet die Datei nicht mehr."};
        case FindingCode::NewTwice:
            return {u"derselbe neue Name steht schon in Zeile ",
                    u"; das zweite Umbenennen findet den Namen belegt."};
        default:  // Held
            return {u"der neue Name bleibt belegt, weil Zeile ",
                    u" ihn behält; dieses Umbenennen schlägt fehl."};
    }
}

class Checker {
  public:
    Checker(const NameSource& oldNames, const NameSource& newNames, const CheckOptions& options,
            bool (*withText)(FindingCode), const std::function<void(const Finding&)>& take)
        : oldNames_(oldNames),
          newNames_(newNames),
          options_(options),
          pairs_(static_cast<std::uint32_t>(std::min(oldNames.size(), newNames.size()))),
          withText_(withText),
          take_(take) {}

    FindingCounts Run() {
        CheckWholeLists();
        order_ = ReadOrderInFolder(oldNames_, newNames_, options_).order;
        if (options_.folder != nullptr) {
            folder_.emplace(oldNames_, newNames_, order_, options_);
            if (auto whole = folder_->Whole(withText_(FindingCode::NotInSession))) {
                Emit({SeverityOf(whole->first), 0, 0, whole->first, std::move(whole->second)});
            }
        }
        CollectPending();
        std::stable_sort(pending_.begin(), pending_.end(),
                         [](const Pending& a, const Pending& b) { return a.pair < b.pair; });
        auto next = pending_.begin();
        for (std::uint32_t i = 0; i < pairs_; ++i) {
            pairFindings_.clear();
            CheckPair(i);
            for (; next != pending_.end() && next->pair == i; ++next) {
                AddPending(*next);
            }
            if (pairFindings_.size() > 1) {  // the sort would take a buffer even for one
                std::stable_sort(
                    pairFindings_.begin(), pairFindings_.end(),
                    [](const Finding& a, const Finding& b) { return a.severity < b.severity; });
            }
            for (const Finding& finding : pairFindings_) {
                Emit(finding);
            }
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
    std::size_t Row(std::uint32_t i) const {
        return options_.tableLines.empty() ? std::size_t{i} + 1 : options_.tableLines[i];
    }
    std::u16string RowText(std::uint32_t i) const { return DecimalText(Row(i)); }

    void Emit(const Finding& finding) {
        ++(finding.severity == Severity::Error ? counts_.errors : counts_.warnings);
        if (take_) {
            take_(finding);
        }
    }

    void CheckWholeLists() {
        const auto whole = [this](Severity severity, FindingCode code, std::u16string text) {
            Emit({severity, 0, 0, code, withText_(code) ? std::move(text) : std::u16string()});
        };
        if (oldNames_.size() != newNames_.size()) {
            whole(Severity::Error, FindingCode::CountsDiffer,
                  u"Die Listen sind verschieden lang: " + DecimalText(oldNames_.size()) +
                      u" alte und " + DecimalText(newNames_.size()) + u" neue Namen.");
        } else if (pairs_ == 0 && !options_.tableName.empty()) {
            whole(Severity::Error, FindingCode::Empty,
                  u"Die Tabelle " + Quoted(options_.tableName) + u" enthält keine Namenspaare.");
        } else if (pairs_ == 0) {
            whole(Severity::Warning, FindingCode::Empty, u"Die Listen sind leer.");
        }
    }

    // `text` is built only when the finding's sentence is wanted.
    template <class Text>
    void Add(std::uint32_t i, FindingCode code, Text&& text) {
        Finding finding{SeverityOf(code), std::size_t{i} + 1, Row(i), code, {}};
        if (withText_(code)) {
            // Room for most sentences: one allocation, also with a finding on every pair.
            finding.message.reserve(200);
            finding.message.append(u"\"").append(Old(i, textOld_)).append(u"\" → \"");
            finding.message.append(New(i, textNew_)).append(u"\": ").append(text());
        }
        pairFindings_.push_back(std::move(finding));
    }

    void CheckPair(std::uint32_t i) {
        const std::u16string_view oldName = Old(i, pairOld_);
        const std::u16string_view newName = New(i, pairNew_);
        const std::u16string_view oldType = SplitName(oldName).extension;
        if (oldName.empty()) {
            Add(i, FindingCode::OldEmpty, [] { return u"der alte Name ist leer."; });
        } else if (auto reason = WhyUnwritable(oldName, encoded_)) {
            Add(i, FindingCode::Unwritable, [&] { return Unwritable(u"der alte Name", *reason); });
        } else if (!IsModelType(oldType)) {
            Add(i, FindingCode::UnknownType, [&] {
                return (oldType.empty()
                            ? std::u16string(u"der alte Name hat keine Endung, also keinen")
                            : u"die Endung " + Quoted(oldType) + u" des alten Namens ist keiner") +
                       u" der Modelltypen von Pro/ENGINEER (.prt .asm .drw .frm .sec .lay .mfg "
                       u".dgm).";
            });
        }
        if (newName.empty()) {
            Add(i, FindingCode::NewEmpty, [] { return u"der neue Name ist leer."; });
        } else if (auto reason = WhyUnwritable(newName, encoded_)) {
            Add(i, FindingCode::Unwritable, [&] { return Unwritable(u"der neue Name", *reason); });
        } else if (!order_.moves[i]) {
            Add(i, FindingCode::Unchanged,
                [] { return u"alter und neuer Name sind gleich, es gibt nichts umzubenennen."; });
        } else {
            CheckNewName(i, newName, oldName.empty() ? std::u16string_view() : oldType);
        }
        if (folder_) {
            folderCodes_.clear();
            folder_->OfPair(i, oldName, newName, folderCodes_);
            for (const FindingCode code : folderCodes_) {
                Add(i, code, [&] { return folder_->Sentence(code, oldName, newName); });
            }
        }
    }

    static std::u16string Unwritable(std::u16string_view which, const std::u16string& reason) {
        return std::u16string(which) + u" enthält " + reason +
               u" und lässt sich so nicht in rename.pro schreiben.";
    }

    void CheckNewName(std::uint32_t i, std::u16string_view name, std::u16string_view oldType) {
        if (std::any_of(name.begin(), name.end(),
                        [](char16_t c) { return c == u'\\' || c == u'/' || c == u':'; })) {
            Add(i, FindingCode::Folder, [] {
                return u"der neue Name enthält einen Ordner; das Umbenennen nimmt nur den bloßen "
                       u"Namen mit Endung.";
            });
            return;
        }
        const NameParts parts = SplitName(name);
        if (parts.extension.size() <= 1) {
            Add(i, FindingCode::NoExtension,
                [] { return u"der neue Name hat keine Endung wie .prt, .asm oder .drw."; });
        } else if (!parts.rest.empty()) {
            const bool version =
                parts.rest.find_first_not_of(u"0123456789", 1) == std::u16string_view::npos &&
                parts.rest.size() > 1;
            if (version) {
                Add(i, FindingCode::Version, [&] {
                    return u"der neue Name trägt eine Versionsnummer (" + Quoted(parts.rest) +
                           u"); das Umbenennen nimmt nur den bloßen Namen mit Endung.";
                });
            } else {
                Add(i, FindingCode::BadCharacter,
                    [] { return u"der neue Name hat mehr als einen Punkt."; });
            }
        } else if (!oldType.empty() && !EqualFolded(parts.extension, oldType)) {
            Add(i, FindingCode::TypeChanged, [&] {  // in one allocation: often on every pair
                std::u16string text;
                text.reserve(100);
                text.append(u"der neue Name hat die Endung \"").append(parts.extension);
                text.append(u"\", der alte Name die Endung \"").append(oldType);
                text.append(u"\"; ein Umbenennen behält den Typ.");
                return text;
            });
        }
        CheckBase(i, parts.base);
    }

    // Pro/ENGINEER's rules for the name in front of the extension.
    void CheckBase(std::uint32_t i, std::u16string_view base) {
        if (base.empty()) {
            Add(i, FindingCode::NewEmpty,
                [] { return u"vor der Endung des neuen Namens steht kein Name."; });
            return;
        }
        if (base.size() > kMaxBaseLength) {
            Add(i, FindingCode::TooLong, [&] {
                return u"der neue Name ist ohne Endung " + DecimalText(base.size()) +
                       u" Zeichen lang; Pro/ENGINEER erlaubt höchstens 31.";
            });
        }
        const auto bad =
            std::find_if(base.begin(), base.end(), [](char16_t c) { return !IsNameCharacter(c); });
        if (bad != base.end()) {
            Add(i, FindingCode::BadCharacter, [&] {
                return u"der neue Name enthält das Zeichen " + DescribeChar(*bad) +
                       u"; erlaubt sind Buchstaben, Ziffern, - und _.";
            });
        }
        if (base.front() == u'-') {
            Add(i, FindingCode::LeadingDash,
                [] { return u"der neue Name beginnt mit einem Bindestrich."; });
        }
        const auto accented = std::find_if(
            base.begin(), base.end(), [](char16_t c) { return c > 0x7F && IsNameCharacter(c); });
        if (accented != base.end()) {
            Add(i, FindingCode::NonAsciiLetter, [&] {
                return u"der neue Name enthält " + DescribeChar(*accented) +
                       u"; Buchstaben außerhalb von ASCII nehmen nur neuere Versionen von "
                       u"Pro/ENGINEER an, je nach Spracheinstellung.";
            });
        }
    }

    void CollectPending() {
        for (const auto& [i, first] : order_.oldAgain) {
            pending_.push_back({i, FindingCode::OldTwice, first});
        }
        for (const auto& [i, first] : order_.newAgain) {
            pending_.push_back({i, FindingCode::NewTwice, first});
        }
        for (std::uint32_t i = 0; i < pairs_; ++i) {
            if (order_.HeldBy(i) != kNoPair) {
                pending_.push_back({i, FindingCode::Held, order_.HeldBy(i)});
            }
            if (order_.RingOf(i) != kNoPair) {
                pending_.push_back({i, FindingCode::Ring, order_.RingOf(i)});
            } else if (order_.RunsTooEarly(i)) {
                const bool freed = order_.FreedBy(i) != kNoPair && order_.FreedBy(i) > i;
                pending_.push_back(
                    {i, FindingCode::WrongOrder, freed ? order_.FreedBy(i) : order_.MadeBy(i)});
            }
        }
        for (const DrawingLeftBehind& left : DrawingsLeftBehind(oldNames_, newNames_, pairs_)) {
            pending_.push_back({left.drawing, FindingCode::DrawingName, left.model});
        }
    }

    void AddPending(const Pending& p) {
        const std::uint32_t i = p.pair;
        switch (p.code) {
            case FindingCode::OldTwice:
            case FindingCode::NewTwice:
            case FindingCode::Held:
                Add(i, p.code, [&] {
                    const auto [before, after] = AroundOtherRow(p.code);
                    return before + RowText(p.other) + after;
                });
                break;
            case FindingCode::WrongOrder:
                Add(i, p.code, [&] {
                    return (order_.FreedBy(i) == p.other
                                ? u"der neue Name ist noch belegt, Zeile " + RowText(p.other) +
                                      u" benennt ihn erst später um"
                                : u"der alte Name entsteht erst in Zeile " + RowText(p.other) +
                                      u", die später läuft") +
                           u"; die Reparatur der Reihenfolge ordnet die Zeilen richtig.";
                });
                break;
            case FindingCode::Ring:
                Add(i, p.code, [&] {
                    return u"die Zeilen " + RowList(order_.rings[p.other]) +
                           u" tauschen ihre Namen im Ring, den keine Reihenfolge auflöst; die "
                           u"Reparatur der Reihenfolge öffnet den Ring über einen Zwischennamen.";
                });
                break;
            case FindingCode::DrawingName:
                Add(i, p.code, [&] {
                    std::u16string scratch;
                    return u"die Zeichnung heißt danach nicht mehr wie ihr Modell, das Zeile " +
                           RowText(p.other) + u" in " + Quoted(New(p.other, scratch)) +
                           u" umbenennt.";
                });
                break;
            default:
                break;
        }
    }

    std::u16string RowList(const std::vector<std::uint32_t>& pairs) const {
        constexpr std::size_t kShown = 6;
        std::vector<std::size_t> rows;
        rows.reserve(pairs.size());
        for (const std::uint32_t p : pairs) {
            rows.push_back(Row(p));
        }
        std::sort(rows.begin(), rows.end());
        std::u16string text;
        const std::size_t shown = std::min(rows.size(), kShown);
        for (std::size_t k = 0; k < shown; ++k) {
            const bool last = k + 1 == shown && rows.size() <= kShown;
            text += k == 0 ? u"" : last ? u" und " : u", ";
            text += DecimalText(rows[k]);
        }
        if (rows.size() > kShown) {
            text += u" und " + DecimalText(rows.size() - kShown) + u" weitere";
        }
        return text;
    }

    const NameSource& oldNames_;
    const NameSource& newNames_;
    const CheckOptions& options_;
    const std::uint32_t pairs_;
    bool (*const withText_)(FindingCode);
    const std::function<void(const Finding&)>& take_;
    FindingCounts counts_;
    RenameOrder order_{0};
    std::optional<FolderFindings> folder_;
    std::vector<FindingCode> folderCodes_;
    std::vector<Pending> pending_;
    std::vector<Finding> pairFindings_;
    std::u16string pairOld_;  // the names of the pair that CheckPair looks at
    std::u16string pairNew_;
    std::u16string textOld_;  // the names of a finding's sentence
    std::u16string textNew_;
    std::string encoded_;  // scratch of the code-page test
};

}  // namespace

FindingCounts CheckLists(const NameSource& oldNames, const NameSource& newNames,
                         const CheckOptions& options, bool withText,
                         const std::function<void(const Finding&)>& take) {
    const auto every = +[](FindingCode) { return true; };
    const auto none = +[](FindingCode) { return false; };
    return Checker(oldNames, newNames, options, withText ? every : none, take).Run();
}

FindingCounts CheckLists(const NameSource& oldNames, const NameSource& newNames,
                         const CheckOptions& options, bool (*withTextFor)(FindingCode),
                         const std::function<void(const Finding&)>& take) {
    return Checker(oldNames, newNames, options, withTextFor, take).Run();
}

std::vector<Finding> CheckLists(const NameList& oldNames, const NameList& newNames,
                                const CheckOptions& options) {
    std::vector<Finding> findings;
    CheckLists(NameListSource(oldNames), NameListSource(newNames), options, true,
               [&findings](const Finding& finding) { findings.push_back(finding); });
    return findings;
}

FindingCounts CountProblems(const NameSource& oldNames, const NameSource& newNames,
                            const CheckOptions& options) {
    return CheckLists(oldNames, newNames, options, false, {});
}

}  // namespace velnix
