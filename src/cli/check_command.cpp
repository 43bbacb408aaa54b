#include "cli/check_command.h"

#include "cli/console.h"
#include "cli/run.h"
#include "util/text.h"
#include "util/unicode.h"

namespace velnix::cli {
namespace {

std::u16string JsonString(std::u16string_view text) {
    std::u16string quoted = u"\"";
    for (const char16_t c : text) {
        if (c == u'"' || c == u'\\') {
            quoted += u'\\';
            quoted += c;
        } else if (c < 0x20) {
            constexpr char16_t kHex[] = u"0123456789abcdef";
            quoted += u"\\u00";
            quoted += kHex[c >> 4];
            quoted += kHex[c & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + u"\"";
}

std::u16string AsJson(const std::vector<Finding>& findings) {
    std::u16string json = u"[";
    for (std::size_t k = 0; k < findings.size(); ++k) {
        const Finding& finding = findings[k];
        json += (k == 0 ? u"\n" : u",\n");
        json += u"  {\"zeile\": " + DecimalText(finding.pair) + u", \"schwere\": " +
                JsonString(SeverityLabel(finding.severity)) + u", \"code\": " +
                JsonString(Utf8ToUtf16(FindingCodeName(finding.code))) + u", \"text\": " +
                JsonString(finding.message) + u"}";
    }
    return json + (findings.empty() ? u"]" : u"\n]");
}

std::u16string AsLines(const std::vector<Finding>& findings) {
    std::u16string lines;
    for (const auto& finding : findings) {
        if (finding.pair > 0) {
            lines += u"Zeile " + DecimalText(finding.pair) + u": ";
        }
        lines += SeverityLabel(finding.severity) + u": " + finding.message + u"\n";
    }
    return lines + SummaryText(CountFindings(findings));
}

}  // namespace

int Check(const PairSources& sources, FindingFormat format) {
    const Result<NamePairs> lists = ReadNameLists(sources);
    if (!lists.ok()) {
        WriteMessage(stderr, lists.error);
        return kCannotCompose;
    }
    const std::vector<Finding> findings = CheckLists(lists.value->oldNames, lists.value->newNames);
    WriteMessage(stdout, format == FindingFormat::Json ? AsJson(findings) : AsLines(findings));
    return CountFindings(findings).errors > 0 ? kListHasErrors : kWritten;
}

void WriteCheckSummary(std::FILE* stream, const std::optional<FindingCounts>& problems) {
    if (!problems) {
        WriteMessage(stream, u"Prüfung: nicht möglich, der Arbeitsspeicher reicht nicht aus.");
    } else if (problems->errors + problems->warnings > 0) {
        WriteMessage(stream,
                     u"Prüfung: " + SummaryText(*problems) + u" (Einzelheiten: velnix-cli check)");
    }
}

}  // namespace velnix::cli
