// The output text "txt_OUT": the generated mapkeys, editable before they are written, shown
// orange on black. Line ends stay as written (CR LF). Tab and Shift+Tab move the focus on, as
// in every other control: a tab character has no place in a mapkey.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <string>

#include "names/name_list.h"

namespace velnix::shell {

class OutputText : public QsciScintilla {
    Q_OBJECT
  public:
    explicit OutputText(QWidget* parent);

    // Composes the mapkeys of the lists straight into the editor (checked lists of equal
    // length), with the models that the run loads along. Large lists take one pass: no
    // intermediate copies, no undo record.
    void showMapkeys(const NamePairs& pairs, const NameList& loadAlong);

    // The whole text as the user left it.
    std::u16string content() const;
    bool isEmpty() const;
    void clearContent();

  signals:
    void doubleClicked();

  protected:
    bool focusNextPrevChild(bool next) override;

  private:
    void setBytes(const std::string& utf8);
};

}  // namespace velnix::shell
