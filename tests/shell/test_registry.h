// Lets every window test file add its QtTest class to the one test program.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "names/name_list.h"

// Lists as QtTest data columns.
Q_DECLARE_METATYPE(velnix::NameList)

namespace velnix::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

int RegisterQtTest(TestFactory factory);

}  // namespace velnix::test

// One registration per test file.
#define VELNIX_REGISTER_QTEST(Class)                                                        \
    namespace {                                                                             \
    const int velnixRegisteredTest =                                                        \
        ::velnix::test::RegisterQtTest([] { return std::unique_ptr<QObject>(new Class); }); \
    }
