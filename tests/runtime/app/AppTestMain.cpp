// Test main for runtime/app: the process starts the way the program does, so
// the runtime's own QApplication (with its exception-catching notify) is the
// one under test.
#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

#include "runtime/app/Runtime.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::RuntimeInit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    runtime::RuntimeExit();
    return failed;
}
