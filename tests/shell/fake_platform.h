// A platform of the window tests' own (settings, shell, clipboard, drives, temporary folders,
// answers instead of modal boxes), and the control lookups and user steps all window tests share.
#pragma once

#include <QHash>
#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "shell/platform/platform.h"
#include "shell/table_file_dialog.h"

namespace velnix::test {

class FakePlatform : public shell::Platform {
  public:
    FakePlatform();

    QString readSetting(const QString& key, const QString& fallback) override {
        return settings.value(key, fallback);
    }
    void writeSetting(const QString& key, const QString& value) override { settings[key] = value; }
    void openWithShell(QWidget*, const QString& path) override { shellCalls << "open " + path; }
    bool shellExecute(const QString& target, const QString& operation) override {
        shellCalls << operation + " " + target;
        return true;
    }
    QString programDirectory() const override { return program; }
    QString userDataDirectory() const override { return path("user/Velnix"); }
    QList<shell::Drive> drives() const override { return fakeDrives; }
    QString clipboardText() const override { return clipboard; }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool askToConfirm(QWidget*, const QString& text, const QString&) override {
        questions << text;
        return confirm;
    }
    QString askForTableFile(QWidget*) override { return tableFile; }
    // Unless told otherwise, the user takes what the dialog guessed.
    std::optional<Heading> askForTableHeading(shell::TableHeadingDialog& dialog) override {
        return headingAnswer ? headingAnswer(dialog) : dialog.heading();
    }

    // A path in the platform's temporary directory, in native form; "work" is the test's own.
    QString path(const QString& relative) const;

    QHash<QString, QString> settings;
    QStringList shellCalls;  // "open <path>" or "<operation> <target>"
    QList<shell::Drive> fakeDrives;
    QString clipboard;
    QString program;  // a writable folder; the test may move it
    QStringList messages;
    QStringList questions;
    bool confirm = true;
    QString tableFile;
    std::function<std::optional<Heading>(shell::TableHeadingDialog&)> headingAnswer;

  private:
    QTemporaryDir dir_;
};

// The control of that name in the window; the test stops when there is none.
template <class T = QWidget>
T* Child(const QObject* window, const char* name) {
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) {
        qFatal("no control %s", name);
    }
    return control;
}

inline void Click(const QObject* window, const char* name) {
    QTest::mouseClick(Child(window, name), Qt::LeftButton);
}

// The entries of the list as "a,b", marked ones in brackets if asked: "a,[b]".
QString Entries(const QListWidget* list, bool marks = false);

// The window shown and active, as the user finds it.
void ShowActive(QWidget& window);

// The folder with empty files of these names in it.
QString MakeFolder(const QString& path, const QStringList& files);

// The user goes to another window and comes back.
void ComeBack(QWidget& window);

}  // namespace velnix::test
