#include "shell/output_text.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <cstdint>

#include "mapkey/compose.h"
#include "util/unicode.h"

namespace velnix::shell {
namespace {

const QColor kOrange(255, 128, 0);

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
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    setFont(font);
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

void OutputText::showMapkeys(const NamePairs& pairs, const NameList& loadAlong) {
    MapkeyPairs utf8 = PairsInUtf8(pairs.oldNames, pairs.newNames);
    for (const std::u16string& name : loadAlong) {
        utf8.loadAlong.Append(Utf16ToUtf8(name));
    }
    // One text of the exact length handed over at once: appended block by block, the editor
    // would redo work for the whole text at every block.
    StringSink text;
    ComposeMapkeys(utf8, TextEnd::OutputBox, text);
    setBytes(text.text);
}

void OutputText::setBytes(const std::string& utf8) {
    // The undo record would keep a second copy of a text of up to 100 MB.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    // uintptr_t picks the overload that takes text; unsigned long is 32 bits on Windows.
    SendScintilla(SCI_SETTEXT, std::uintptr_t{0}, utf8.c_str());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
}

bool OutputText::focusNextPrevChild(bool next) {
    // QScintilla keeps Tab for itself; the window's focus chain gets it back by passing over
    // QScintilla's own override.
    return QAbstractScrollArea::focusNextPrevChild(next);  // NOLINT(bugprone-parent-virtual-call)
}

std::u16string OutputText::content() const {
    auto* self = const_cast<OutputText*>(this);
    // The editor's own buffer, read in place: a copy of up to 100 MB would cost more than
    // the conversion.
    const auto length = static_cast<std::size_t>(self->SendScintilla(SCI_GETLENGTH));
    // Not SendScintilla: its long result is 32 bits on Windows and would cut the pointer.
    const auto* text =
        static_cast<const char*>(self->SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return Utf8ToUtf16(std::string_view(text, length));
}

bool OutputText::isEmpty() const {
    return const_cast<OutputText*>(this)->SendScintilla(SCI_GETLENGTH) == 0;
}

void OutputText::clearContent() {
    setBytes(std::string());
}

}  // namespace velnix::shell
