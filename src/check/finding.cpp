#include "check/finding.h"

#include "util/text.h"

namespace velnix {

Severity SeverityOf(FindingCode code) {
    switch (code) {
        case FindingCode::Unchanged:
        case FindingCode::NonAsciiLetter:
        case FindingCode::UnknownType:
        case FindingCode::DrawingName:
        case FindingCode::DrawingNotListed:
        case FindingCode::NotInSession:
        case FindingCode::FolderUnreadable:
            return Severity::Warning;
        default:
            return Severity::Error;
    }
}

std::u16string SeverityLabel(Severity severity) {
    return severity == Severity::Error ? u"Fehler" : u"Warnung";
}

const char* FindingCodeName(FindingCode code) {
    switch (code) {
        case FindingCode::CountsDiffer:
            return "laenge";
        case FindingCode::Empty:
            return "leer";
        case FindingCode::OldEmpty:
            return "alt-leer";
        case FindingCode::NewEmpty:
            return "neu-leer";
        case FindingCode::Unwritable:
            return "nicht-schreibbar";
        case FindingCode::OldTwice:
            return "alt-doppelt";
        case FindingCode::NewTwice:
            return "neu-doppelt";
        case FindingCode::WrongOrder:
            return "reihenfolge";
        case FindingCode::Ring:
            return "ring";
        case FindingCode::Held:
            return "belegt";
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
        case FindingCode::MissingInFolder:
            return "fehlt-im-ordner";
        case FindingCode::TakenInFolder:
            return "belegt-im-ordner";
        case FindingCode::DrawingNotListed:
            return "zeichnung-fehlt";
        case FindingCode::NotInSession:
            return "nicht-in-sitzung";
        case FindingCode::FolderUnreadable:
            return "ordner-unlesbar";
    }
    return "";
}

bool IsOrderFinding(const Finding& finding) {
    return finding.code == FindingCode::WrongOrder || finding.code == FindingCode::Ring;
}

bool IsFolderFinding(FindingCode code) {
    switch (code) {
        case FindingCode::MissingInFolder:
        case FindingCode::TakenInFolder:
        case FindingCode::DrawingNotListed:
        case FindingCode::NotInSession:
        case FindingCode::FolderUnreadable:
            return true;
        default:
            return false;
    }
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
