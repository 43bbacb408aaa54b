// What every window test program shares: the types of its table columns and its main.
#pragma once

#include <QApplication>
#include <QObject>
#include <functional>

#include "names/name_list.h"

namespace velnix::test {

// What a table row does before its outcome is checked.
using Steps = std::function<void()>;

// Runs the named test functions (all without) in an application prepared as the window's own.
int RunWindowTest(QObject& test, int argc, char** argv);

}  // namespace velnix::test

// Lists and steps as QtTest data columns.
Q_DECLARE_METATYPE(velnix::NameList)
Q_DECLARE_METATYPE(velnix::test::Steps)

// The main of the test program of one QtTest class.
#define VELNIX_WINDOW_TEST_MAIN(Class)                          \
    int main(int argc, char** argv) {                           \
        QApplication app(argc, argv);                           \
        Class test;                                             \
        return ::velnix::test::RunWindowTest(test, argc, argv); \
    }
