// The main() of every test: points the per-user folders at a fresh temporary
// folder before anything runs, so no test touches a real user's files, and
// runs the test object so that an exception escaping a test function fails
// that row with the error's text and the rows after it still run. (Qt Test
// itself gives up on the whole executable at the first exception.)
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <exception>

namespace pelk::test {

// `Test` with every call into its slots guarded. Qt Test invokes a test
// function through the object's meta-object; this one is a copy of the
// class's own whose call function catches what the slot throws.
template <class Test>
class Guarded : public Test {
public:
    const QMetaObject *metaObject() const override { return &guardedMetaObject(); }

private:
    static const QMetaObject &guardedMetaObject()
    {
        static const QMetaObject guarded = [] {
            QMetaObject copy = Test::staticMetaObject;
            copy.d.static_metacall = &guardedCall;
            return copy;
        }();
        return guarded;
    }

    static void guardedCall(QObject *object, QMetaObject::Call call, int id, void **arguments)
    {
        try {
            Test::staticMetaObject.d.static_metacall(object, call, id, arguments);
        } catch (const std::exception &error) {
            QTest::qFail(QByteArray("Threw an exception: ") + error.what(), __FILE__, __LINE__);
        } catch (...) {
            QTest::qFail("Threw something that is not a std::exception", __FILE__, __LINE__);
        }
    }
};

} // namespace pelk::test

#define PELK_TEST_MAIN(TestClass)                                                                                     \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        QTemporaryDir home;                                                                                            \
        qputenv("PELKTULVANE_HOME", home.path().toUtf8());                                                             \
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());                                \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        pelk::test::Guarded<TestClass> test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
