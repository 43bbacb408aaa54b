#include "shell/compose_progress.h"

#include "shell/output_text.h"

namespace velnix::shell {
namespace {

// A composition shorter than this passes without a bar flashing up.
constexpr int kShownAfterMs = 300;
constexpr int kTickMs = 50;

}  // namespace

ComposeProgress::ComposeProgress(const OutputText& text, QWidget* parent)
    : QProgressBar(parent), text_(text) {
    setObjectName(QStringLiteral("prg_compose"));
    setRange(0, 1000);
    setFormat(QStringLiteral("Die Mapkeys werden erstellt … %p %"));
    setAlignment(Qt::AlignCenter);
    hide();
    ticks_.setInterval(kTickMs);
    connect(&ticks_, &QTimer::timeout, this, &ComposeProgress::update);
}

void ComposeProgress::follow() {
    if (!text_.isComposing()) {
        return;
    }
    since_.start();
    setValue(0);
    ticks_.start();
}

void ComposeProgress::update() {
    if (!text_.isComposing()) {
        ticks_.stop();
        hide();
        return;
    }
    setValue(text_.composePermille());
    if (isHidden() && since_.elapsed() >= kShownAfterMs) {
        show();
        raise();
    }
}

}  // namespace velnix::shell
