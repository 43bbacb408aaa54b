// One composition of the output text: the mapkeys of a snapshot of the pairs composed into a
// new editor document, on a thread of its own so that the window stays live.
#pragma once

#include <QObject>
#include <atomic>
#include <thread>

#include "names/name_list.h"
#include "shell/scintilla_loader.h"

class QsciScintillaBase;

namespace velnix::shell {

class ComposeJob : public QObject {
    Q_OBJECT
  public:
    // `loadAlong`: the models that the run loads along. The editor only makes the document.
    ComposeJob(QsciScintillaBase& editor, NamePairs pairs, NameList loadAlong, QObject* parent);
    ComposeJob(const ComposeJob&) = delete;
    ComposeJob& operator=(const ComposeJob&) = delete;
    // Stops the composition and waits for its thread.
    ~ComposeJob() override;

    // Composes on a thread of its own, or at once on this one for a small text.
    void start(bool onThread);
    // The text is no longer wanted: the job ends as soon as it can and removes itself.
    void abandon();

    // How far the text is, in thousandths.
    int permille() const;

  signals:
    // The new document, to be displayed or released; nullptr when there was no memory for it.
    // Never after abandon().
    void done(void* document);

  private:
    void compose();
    void finish();

    NamePairs pairs_;
    NameList loadAlong_;
    std::atomic<bool> cancelled_{false};
    LoaderSink sink_;
    bool composed_ = false;  // written by the thread before it signals its end
    bool abandoned_ = false;
    bool running_ = false;
    std::thread thread_;
};

}  // namespace velnix::shell
