// The main window's check against the working folder, and the commands that mend its findings:
// the order repair, the drawings taken along, the folder's models loaded along.
#include "shell/main_window.h"

#include <QEvent>
#include <algorithm>
#include <utility>

#include "check/folder_check.h"
#include "check/order_repair.h"
#include "mapkey/pair_check.h"
#include "shell/check_panel.h"
#include "shell/compose_progress.h"
#include "shell/mapping_table.h"
#include "shell/output_dir_panel.h"
#include "shell/output_text.h"
#include "shell/qt_text.h"

namespace velnix::shell {
namespace {

QString DrawingsTakenText(std::size_t count) {
    return count == 1 ? QStringLiteral("1 Zeichnung wurde an beide Listen angehängt.")
                      : QStringLiteral("%1 Zeichnungen wurden an beide Listen angehängt.")
                            .arg(static_cast<qulonglong>(count));
}

}  // namespace

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Back from Pro/ENGINEER or the file manager, where files of the folder may have changed.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && folder_.reread()) {
        folderChanged();
    }
}

// The lists as the generate command will use them: the old names cleaned up.
void MainWindow::checkLists() {
    const NamePairs pairs = table_->pairsToRename();
    const NameList& newNames = pairs.newNames;
    // An intermediate name that no pair takes any more is an ordinary name again.
    intermediates_.erase(std::remove_if(intermediates_.begin(), intermediates_.end(),
                                        [&newNames](const std::u16string& name) {
                                            return std::find(newNames.begin(), newNames.end(),
                                                             name) == newNames.end();
                                        }),
                         intermediates_.end());
    check_->showFindings(CheckLists(pairs.oldNames, newNames, checkOptions()));
}

CheckOptions MainWindow::checkOptions() const {
    return CheckOptions{intermediates_, {}, {}, &folder_.folder(), check_->loadFolder()};
}

void MainWindow::followOutputFolder(const QString& path) {
    if (folder_.follow(path)) {
        folderChanged();
    }
}

void MainWindow::folderChanged() {
    checkLists();
    // The user chooses the folder after generate: its Fehler are the ones to count.
    if (frame5_->isVisible()) {
        showErrorsOfTheCheck();
    }
    // The models loaded along are the folder's.
    if (check_->loadFolder()) {
        composeAgainIfShown();
    }
}

void MainWindow::cmd_reihenfolge_Click() {
    const NamePairs pairs = table_->pairsToRename();
    Result<RepairedList> repaired = RepairOrder(pairs.oldNames, pairs.newNames, checkOptions());
    if (repaired.ok()) {
        intermediates_ = std::move(repaired.value->intermediates);
        table_->setPairs(repaired.value->pairs);
    } else {
        setStatus(ToQString(repaired.error));
    }
}

void MainWindow::cmd_zeichnungen_Click() {
    const NamePairs pairs = table_->pairsToRename();
    const WorkingFolder& folder = folder_.folder();
    if (!folder.models) {
        return;
    }
    // Added to lists of different length, the drawings would pair with the wrong names.
    if (pairs.oldNames.size() != pairs.newNames.size()) {
        setStatus(ToQString(kCountsDifferMessage) +
                  QStringLiteral(" Es wurden keine Zeichnungen angehängt."));
        return;
    }
    const NamePairs drawings = DrawingsToTakeAlong(pairs, *folder.models);
    if (drawings.oldNames.empty()) {
        return;
    }
    table_->appendPairs(drawings);
    table_->markPair(pairs.oldNames.size() + 1);
    composeAgainIfShown();
    setStatus(DrawingsTakenText(drawings.oldNames.size()));
}

void MainWindow::chk_mitladen_Click() {
    checkLists();
    composeAgainIfShown();
}

Composition MainWindow::compositionOf(NamePairs pairs) const {
    NameList loadAlong = LoadAlong(pairs, folder_.folder(), check_->loadFolder());
    return {std::move(pairs), std::move(loadAlong)};
}

void MainWindow::compose(Composition composition) {
    composed_ = std::move(composition);
    txtOut_->showMapkeys(composed_.pairs, composed_.loadAlong);
    frame5_->setOkEnabled(!txtOut_->isComposing());
    progress_->follow();
}

void MainWindow::textComposed(bool shown) {
    frame5_->setOkEnabled(true);
    if (!shown) {
        setStatus(
            QStringLiteral("Für den Text der Mapkeys reicht der Speicher nicht: Er wird "
                           "nicht angezeigt. Bitte schließen Sie andere Programme und "
                           "erstellen Sie die Mapkeys noch einmal."));
    }
}

// As generate would compose it now; the text stays as the user left it while that is the same.
void MainWindow::composeAgainIfShown() {
    if (txtOut_->isEmpty() && !txtOut_->isComposing()) {
        return;
    }
    NamePairs pairs = table_->pairsToRename();
    if (CheckPairs(pairs.oldNames, pairs.newNames)) {
        return;  // generate says why
    }
    Composition now = compositionOf(std::move(pairs));
    if (!(now == composed_)) {
        compose(std::move(now));
    }
}

}  // namespace velnix::shell
