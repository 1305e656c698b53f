// A test broken on purpose: its second row throws. Run by tst_testmain,
// never by CTest itself.
#include "testmain.h"

#include <stdexcept>

class ThrowingRows : public QObject {
    Q_OBJECT
private slots:
    void rows_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("first") << 1;
        QTest::newRow("throws") << 2;
        QTest::newRow("throws something else") << 3;
        QTest::newRow("after") << 4;
    }
    void rows()
    {
        QFETCH(int, number);
        if (number == 2)
            throw std::runtime_error("File not found: picture.jpg");
        if (number == 3)
            throw 42;
        QVERIFY(number > 0);
    }
    void nextFunction() { QVERIFY(true); }
};

PELK_TEST_MAIN(ThrowingRows)
#include "throwingrows.moc"
