#include "shell/output_text.h"

#include <QColor>
#include <QFont>
#include <cstdint>

#include "shell/compose_job.h"
#include "shell/platform/os.h"
#include "util/unicode.h"

namespace velnix::shell {
namespace {

const QColor kOrange(255, 128, 0);
// From about this many pairs on the composition takes long enough to be seen.
constexpr std::size_t kPairsComposedOnThread = 2000;

}  // namespace

OutputText::OutputText(QWidget* parent) : QsciScintilla(parent) {
    setObjectName(QStringLiteral("txt_OUT"));
    setUtf8(true);
    setEolMode(QsciScintilla::EolWindows);
    setEolVisibility(false);
    setWrapMode(QsciScintilla::WrapNone);
    setMarginWidth(1, 0);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(os::FixedWidthFont());
    setPaper(Qt::black);
    setColor(kOrange);
    setCaretForegroundColor(kOrange);
    setSelectionBackgroundColor(QColor(90, 90, 90));
    setSelectionForegroundColor(Qt::white);
    SendScintilla(SCI_STYLESETBACK, STYLE_DEFAULT, QColor(Qt::black));
    SendScintilla(SCI_STYLESETFORE, STYLE_DEFAULT, kOrange);
    SendScintilla(SCI_STYLECLEARALL);
    // A horizontal scroll range that covers the long mapkey lines from the start.
    SendScintilla(SCI_SETSCROLLWIDTH, 1200);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
    connect(this, &QsciScintillaBase::SCN_DOUBLECLICK, this,
            [this](int, int, int) { emit doubleClicked(); });
}

OutputText::~OutputText() {
    qDeleteAll(findChildren<ComposeJob*>(Qt::FindDirectChildrenOnly));
}

void OutputText::showMapkeys(const NamePairs& pairs, const NameList& loadAlong) {
    // The old text goes first: two texts of 100 MB are not kept at once.
    clearContent();
    setReadOnly(true);
    job_ = new ComposeJob(*this, pairs, loadAlong, this);
    connect(job_, &ComposeJob::done, this, &OutputText::display);
    // A short list is there before the window could show a change; a thread would only cost.
    job_->start(pairs.oldNames.size() >= kPairsComposedOnThread);
}

int OutputText::composePermille() const {
    return job_ != nullptr ? job_->permille() : 0;
}

void OutputText::display(void* document) {
    job_->deleteLater();
    job_ = nullptr;
    setReadOnly(false);
    if (document != nullptr) {
        showDocument(document);
    }
    emit composed(document != nullptr);
}

void OutputText::showDocument(void* document) {
    // The document shown so far goes with its memory: an emptied one would keep its buffer.
    SendScintilla(SCI_SETDOCPOINTER, 0UL, document);
    if (document != nullptr) {
        // The editor holds the document now; the loader's own reference goes.
        SendScintilla(SCI_RELEASEDOCUMENT, 0UL, document);
    }
    // The code page and the line ends belong to the document: the new one takes the editor's.
    SendScintilla(SCI_SETCODEPAGE, SC_CP_UTF8);
    SendScintilla(SCI_SETEOLMODE, SC_EOL_CRLF);
    // The loader collected no undo record; editing by hand is undone as before.
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSAVEPOINT);
}

void OutputText::dropComposition() {
    if (job_ != nullptr) {
        job_->abandon();
        job_ = nullptr;
        setReadOnly(false);
    }
}

bool OutputText::focusNextPrevChild(bool next) {
    // QScintilla keeps Tab for itself; the window's focus chain gets it back by passing over
    // QScintilla's own override.
    return QAbstractScrollArea::focusNextPrevChild(next);  // NOLINT(bugprone-parent-virtual-call)
}

std::string_view OutputText::utf8() const {
    auto* self = const_cast<OutputText*>(this);
    // The editor's own buffer, read in place: a copy of up to 100 MB would cost more than
    // the conversion.
    const auto length = static_cast<std::size_t>(self->SendScintilla(SCI_GETLENGTH));
    // Not SendScintilla: its long result is 32 bits on Windows and would cut the pointer.
    const auto* text =
        static_cast<const char*>(self->SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return {text, length};
}

std::u16string OutputText::content() const {
    return Utf8ToUtf16(utf8());
}

bool OutputText::isEmpty() const {
    return const_cast<OutputText*>(this)->SendScintilla(SCI_GETLENGTH) == 0;
}

void OutputText::clearContent() {
    dropComposition();
    showDocument(nullptr);
}

}  // namespace velnix::shell
