#include "shell/compose_job.h"

#include <utility>

#include "mapkey/compose.h"
#include "util/unicode.h"

namespace velnix::shell {

ComposeJob::ComposeJob(QsciScintillaBase& editor, NamePairs pairs, NameList loadAlong,
                       QObject* parent)
    : QObject(parent),
      pairs_(std::move(pairs)),
      loadAlong_(std::move(loadAlong)),
      sink_(editor, cancelled_) {}

ComposeJob::~ComposeJob() {
    cancelled_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

void ComposeJob::start(bool onThread) {
    running_ = true;
    if (!onThread) {
        compose();
        finish();
        return;
    }
    thread_ = std::thread([this] {
        compose();
        // The end is told on the window's thread, where the document is displayed.
        QMetaObject::invokeMethod(this, &ComposeJob::finish, Qt::QueuedConnection);
    });
}

void ComposeJob::compose() {
    MapkeyPairs utf8 = PairsInUtf8(pairs_.oldNames, pairs_.newNames);
    for (const std::u16string& name : loadAlong_) {
        utf8.loadAlong.Append(Utf16ToUtf8(name));
    }
    // The snapshot is in the encoded pairs now: its memory is not kept through the composition.
    pairs_ = NamePairs();
    loadAlong_ = NameList();
    composed_ = ComposeMapkeys(utf8, TextEnd::OutputBox, sink_);
}

void ComposeJob::finish() {
    if (thread_.joinable()) {
        thread_.join();
    }
    running_ = false;
    if (abandoned_) {
        deleteLater();
        return;
    }
    emit done(composed_ ? sink_.takeDocument() : nullptr);
}

void ComposeJob::abandon() {
    abandoned_ = true;
    cancelled_ = true;
    disconnect(this, &ComposeJob::done, nullptr, nullptr);
    if (!running_) {
        deleteLater();
    }
}

int ComposeJob::permille() const {
    const std::size_t length = sink_.length();
    return length == 0 ? 0 : static_cast<int>(sink_.written() * 1000 / length);
}

}  // namespace velnix::shell
