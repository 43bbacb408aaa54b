// Lets every window test file add its QtTest class to the one test program.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "names/name_list.h"

namespace velnix::test {

// What a table row does before its outcome is checked.
using Steps = std::function<void()>;

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<TestFactory>& QtTests() {
    static std::vector<TestFactory> tests;
    return tests;
}

}  // namespace velnix::test

// Lists and steps as QtTest data columns.
Q_DECLARE_METATYPE(velnix::NameList)
Q_DECLARE_METATYPE(velnix::test::Steps)

// One registration per test file.
#define VELNIX_REGISTER_QTEST(Class)                                                              \
    [[maybe_unused]] static const bool velnixRegisteredTest =                                     \
        (::velnix::test::QtTests().push_back([] { return std::unique_ptr<QObject>(new Class); }), \
         true);
