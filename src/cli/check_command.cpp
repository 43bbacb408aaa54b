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

// Findings written as they come, in pieces of a few dozen kilobytes: a list with a finding on
// every pair prints more than the list itself, and none of it needs to be held.
class FindingWriter {
  public:
    explicit FindingWriter(FindingFormat format) : format_(format) {
        buffer_ = format == FindingFormat::Json ? u"[" : u"";
    }

    void Note(std::size_t line, const std::u16string& text) {
        if (format_ == FindingFormat::Json) {
            Append(u"  {\"zeile\": " + DecimalText(line) +
                   u", \"schwere\": \"Hinweis\", \"code\": \"ueberschrift\", \"text\": " +
                   JsonString(text) + u"}");
        } else {
            Append(text);
        }
    }

    void Take(const Finding& finding) {
        ++(finding.severity == Severity::Error ? counts_.errors : counts_.warnings);
        if (format_ == FindingFormat::Json) {
            Append(u"  {\"zeile\": " + DecimalText(finding.row) + u", \"schwere\": " +
                   JsonString(SeverityLabel(finding.severity)) + u", \"code\": " +
                   JsonString(Utf8ToUtf16(FindingCodeName(finding.code))) + u", \"text\": " +
                   JsonString(finding.message) + u"}");
        } else {
            Append(FindingLine(finding));
        }
    }

    // False when some of the output could not be written.
    bool Finish() {
        if (format_ == FindingFormat::Json) {
            buffer_ += entries_ == 0 ? u"]\n" : u"\n]\n";
        } else {
            buffer_ += SummaryText(counts_) + u"\n";
        }
        Flush();
        return ok_ && std::fflush(stdout) == 0;
    }

    FindingCounts counts() const { return counts_; }

  private:
    static constexpr std::size_t kFlushAt = std::size_t{32} * 1024;

    void Append(const std::u16string& entry) {
        if (format_ == FindingFormat::Json) {
            buffer_ += entries_ == 0 ? u"\n" : u",\n";
        }
        ++entries_;
        buffer_ += entry;
        if (format_ == FindingFormat::Lines) {
            buffer_ += u'\n';
        }
        if (buffer_.size() >= kFlushAt) {
            Flush();
        }
    }
    void Flush() {
        // After a failed write nothing more is tried: the pipe is closed or the disk is full.
        ok_ = ok_ && WriteText(stdout, buffer_);
        buffer_.clear();
    }

    FindingFormat format_;
    std::u16string buffer_;
    std::size_t entries_ = 0;
    FindingCounts counts_;
    bool ok_ = true;
};

}  // namespace

int Check(const PairSources& sources, FindingFormat format, const FolderOptions& folder) {
    Result<ListsRead> lists = ReadNameLists(sources);
    if (!lists.ok()) {
        WriteMessage(stderr, lists.error);
        return kCannotCompose;
    }
    const std::optional<WorkingFolder> workingFolder = ReadFolder(folder);
    if (workingFolder) {
        lists.value->check.folder = &*workingFolder;
        lists.value->check.loadFolder = folder.loadFolder;
    }
    if (workingFolder && folder.withDrawings) {
        if (const auto added =
                AddDrawings(*workingFolder, lists.value->pairs, lists.value->check)) {
            WriteMessage(stderr, *added);
        }
    }
    FindingWriter writer(format);
    if (const auto note = HeadingNote(lists.value->headingLine)) {
        writer.Note(lists.value->headingLine, *note);
    }
    CheckLists(NameListSource(lists.value->pairs.oldNames),
               NameListSource(lists.value->pairs.newNames), lists.value->check, true,
               [&writer](const Finding& finding) { writer.Take(finding); });
    if (!writer.Finish()) {
        WriteMessage(stderr,
                     u"Fehler : Die Ergebnisse der Prüfung konnten nicht vollständig "
                     u"ausgegeben werden.");
        return kCannotCompose;
    }
    return writer.counts().errors > 0 ? kListHasErrors : kWritten;
}

std::u16string FindingLine(const Finding& finding) {
    return (finding.row > 0 ? u"Zeile " + DecimalText(finding.row) + u": " : std::u16string()) +
           SeverityLabel(finding.severity) + u": " + finding.message;
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
