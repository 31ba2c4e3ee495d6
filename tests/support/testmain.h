#pragma once

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
