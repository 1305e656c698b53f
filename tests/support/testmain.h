// The main() of every test: points the per-user folders at a fresh temporary
// folder before anything runs, so no test touches a real user's files.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#define PELK_TEST_MAIN(TestClass)                                                                                     \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        QTemporaryDir home;                                                                                            \
        qputenv("PELKTULVANE_HOME", home.path().toUtf8());                                                             \
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());                                \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
