#pragma once

#include "sandbox.h"
#include "testsupport.h"

#include <QApplication>
#include <QTest>

// A widget application on the offscreen platform, for every test executable.
#define TAMZOR_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// The same, inside the /etc/bind sandbox. Without root or a mount namespace the whole executable
// is skipped, except under CI, where that is a failure.
#define TAMZOR_SANDBOX_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QString reason;                                                                            \
        if (!Sandbox::enter(&reason))                                                              \
            return TestSupport::sandboxUnavailable(reason);                                        \
        QApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
