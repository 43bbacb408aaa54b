#include "cli/check_command.h"

#include "cli/console.h"
#include "cli/run.h"
#include "util/text.h"
#include "util/unicode.h"

namespace velnix::cli {
namespace {

// "Zeile 12: Fehler: …", appended to `out`.
void AppendFindingLine(const Finding& finding, std::u16string& out) {
    if (finding.row > 0) {
        out += u"Zeile ";
        out += DecimalText(finding.row);
        out += u": ";
    }
    out += SeverityLabel(finding.severity);
    out += u": ";
    out += finding.message;
}

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
            // Straight into the buffer: a list with a finding on every pair prints a million.
            ++entries_;
            AppendFindingLine(finding, buffer_);
            buffer_ += u'\n';
            FlushWhenFull();
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
        FlushWhenFull();
    }
    void FlushWhenFull() {
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

// Checks the lists and prints what the check finds, with the note of a table's heading first.
int CheckAndPrint(const NameSource& oldNames, const NameSource& newNames, CheckOptions& check,
                  std::size_t headingLine, const std::optional<WorkingFolder>& workingFolder,
                  const FolderOptions& folder, FindingFormat format) {
    if (workingFolder) {
        check.folder = &*workingFolder;
        check.loadFolder = folder.loadFolder;
    }
    FindingWriter writer(format);
    if (const auto note = HeadingNote(headingLine)) {
        writer.Note(headingLine, *note);
    }
    CheckLists(oldNames, newNames, check, true,
               [&writer](const Finding& finding) { writer.Take(finding); });
    if (!writer.Finish()) {
        WriteMessage(stderr,
                     u"Fehler : Die Ergebnisse der Prüfung konnten nicht vollständig "
                     u"ausgegeben werden.");
        return kCannotCompose;
    }
    return writer.counts().errors > 0 ? kListHasErrors : kWritten;
}

}  // namespace

int Check(const PairSources& sources, FindingFormat format, const FolderOptions& folder) {
    // Plain-ASCII lists are read as generate reads them, compact; the drawings added from the
    // folder, and lists that need the whole file's encoding, take the lists whole.
    if (!folder.withDrawings) {
        if (std::optional<PairsRead> plain = ReadPlainPairs(sources)) {
            return CheckAndPrint(EncodedNamesSource(plain->pairs.oldNames),
                                 EncodedNamesSource(plain->pairs.newNames), plain->check,
                                 plain->headingLine, ReadFolder(folder), folder, format);
        }
    }
    Result<ListsRead> lists = ReadNameLists(sources);
    if (!lists.ok()) {
        WriteMessage(stderr, lists.error);
        return kCannotCompose;
    }
    const std::optional<WorkingFolder> workingFolder = ReadFolder(folder);
    if (workingFolder && folder.withDrawings) {
        if (const auto added =
                AddDrawings(*workingFolder, lists.value->pairs, lists.value->check)) {
            WriteMessage(stderr, *added);
        }
    }
    return CheckAndPrint(NameListSource(lists.value->pairs.oldNames),
                         NameListSource(lists.value->pairs.newNames), lists.value->check,
                         lists.value->headingLine, workingFolder, folder, format);
}

std::u16string FindingLine(const Finding& finding) {
    std::u16string line;
    AppendFindingLine(finding, line);
    return line;
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
