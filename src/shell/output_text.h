// The output text "txt_OUT": the generated mapkeys, editable before they are written, shown
// orange on black. Line ends stay as written (CR LF). Tab and Shift+Tab move the focus on, as
// in every other control: a tab character has no place in a mapkey.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <string>
#include <string_view>

#include "names/name_list.h"

namespace velnix::shell {

class ComposeJob;

class OutputText : public QsciScintilla {
    Q_OBJECT
  public:
    explicit OutputText(QWidget* parent);
    OutputText(const OutputText&) = delete;
    OutputText& operator=(const OutputText&) = delete;
    // Waits for the compositions still running: they make their documents with this editor.
    ~OutputText() override;

    // Composes the mapkeys of the lists (checked, of equal length) with the models that the
    // run loads along into a new document of the editor, in one pass and without an undo
    // record. Large lists compose on a thread of their own: the editor stays empty and
    // read-only meanwhile, and `composed` tells the end. A composition still running is dropped.
    void showMapkeys(const NamePairs& pairs, const NameList& loadAlong);
    bool isComposing() const { return job_ != nullptr; }
    // How far the running composition is, in thousandths.
    int composePermille() const;

    // The whole text as the user left it: the editor's own UTF-8 bytes, valid until it changes.
    std::string_view utf8() const;
    std::u16string content() const;
    bool isEmpty() const;
    // Also drops a composition still running.
    void clearContent();

  signals:
    void doubleClicked();
    // The composition ended; without memory for the text it shows none.
    void composed(bool shown);

  protected:
    bool focusNextPrevChild(bool next) override;

  private:
    void dropComposition();
    void display(void* document);
    // Shows the document, or a new empty one for nullptr, in place of the one shown.
    void showDocument(void* document);

    ComposeJob* job_ = nullptr;
};

}  // namespace velnix::shell
