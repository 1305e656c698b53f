// The description of a message box from its `buttons` value.
#include "platform/msgboxstyle.h"
#include "text/linebreaks.h"
#include "platform/boxes.h"
#include "testmain.h"

using namespace pelk;

Q_DECLARE_METATYPE(pelk::MsgBoxIcon)
Q_DECLARE_METATYPE(std::optional<int>)

class MsgBoxStyleTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsInOrder_data();
    void buttonsInOrder();
    void defaultButton_data();
    void defaultButton();
    void escapeAnswer_data();
    void escapeAnswer();
    void icon_data();
    void icon();
    void windowFlags_data();
    void windowFlags();
    void promptLines_data();
    void promptLines();
};

void MsgBoxStyleTest::buttonsInOrder_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("results");

    QTest::newRow("OK") << 0 << QStringList{"OK"} << QList<int>{1};
    QTest::newRow("OK Cancel") << 1 << QStringList{"OK", "Cancel"} << QList<int>{1, 2};
    QTest::newRow("Abort Retry Ignore") << 2 << QStringList{"&Abort", "&Retry", "&Ignore"} << QList<int>{3, 4, 5};
    QTest::newRow("Yes No Cancel") << 3 << QStringList{"&Yes", "&No", "Cancel"} << QList<int>{6, 7, 2};
    QTest::newRow("Yes No") << 4 << QStringList{"&Yes", "&No"} << QList<int>{6, 7};
    QTest::newRow("Retry Cancel") << 5 << QStringList{"&Retry", "Cancel"} << QList<int>{4, 2};
    QTest::newRow("OK with Help") << 16384 << QStringList{"OK", "Help"} << QList<int>{1, 0};
    QTest::newRow("Yes No Cancel with Help") << 3 + 16384 << QStringList{"&Yes", "&No", "Cancel", "Help"}
                                             << QList<int>{6, 7, 2, 0};
    QTest::newRow("Retry Cancel with Help") << 5 + 16384 << QStringList{"&Retry", "Cancel", "Help"}
                                            << QList<int>{4, 2, 0};
    // Icon, default, modality and foreground do not change the buttons.
    QTest::newRow("every flag on Yes No") << 4 + 48 + 256 + 4096 + 65536 << QStringList{"&Yes", "&No"}
                                          << QList<int>{6, 7};
    QTest::newRow("unknown set 6 shows OK") << 6 << QStringList{"OK"} << QList<int>{1};
    QTest::newRow("unknown set 7 shows OK") << 7 << QStringList{"OK"} << QList<int>{1};
}

void MsgBoxStyleTest::buttonsInOrder()
{
    QFETCH(int, buttons);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, results);
    const MsgBoxStyle style = msgBoxStyle(buttons);
    QStringList shownCaptions;
    QList<int> shownResults;
    for (const MsgBoxButton &button : style.buttons) {
        shownCaptions << button.caption;
        shownResults << button.result;
    }
    QCOMPARE(shownCaptions, captions);
    QCOMPARE(shownResults, results);
}

void MsgBoxStyleTest::defaultButton_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("index");

    QTest::newRow("first of OK Cancel") << 1 << 0;
    QTest::newRow("second of OK Cancel") << 1 + 256 << 1;
    QTest::newRow("third of Abort Retry Ignore") << 2 + 512 << 2;
    QTest::newRow("third of Yes No Cancel") << 3 + 512 << 2;
    QTest::newRow("Help as third of OK Cancel") << 1 + 16384 + 512 << 2;
    QTest::newRow("Help as fourth of Yes No Cancel") << 3 + 16384 + 768 << 3;
    QTest::newRow("Help as second of OK") << 16384 + 256 << 1;
    QTest::newRow("second beyond OK alone") << 256 << 0;
    QTest::newRow("third beyond Yes No") << 4 + 512 << 0;
    QTest::newRow("fourth beyond Yes No Cancel") << 3 + 768 << 0;
    QTest::newRow("fourth beyond Yes No with Help") << 4 + 16384 + 768 << 0;
    QTest::newRow("fifth position does not exist") << 3 + 16384 + 1024 << 0;
}

void MsgBoxStyleTest::defaultButton()
{
    QFETCH(int, buttons);
    QFETCH(int, index);
    QCOMPARE(msgBoxStyle(buttons).defaultIndex, index);
}

void MsgBoxStyleTest::escapeAnswer_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<std::optional<int>>("answer");

    QTest::newRow("OK alone answers OK") << 0 << std::optional<int>(mb::vbOK);
    QTest::newRow("OK with Help answers OK") << 16384 << std::optional<int>(mb::vbOK);
    QTest::newRow("OK Cancel answers Cancel") << 1 << std::optional<int>(mb::vbCancel);
    QTest::newRow("Abort Retry Ignore ignores Esc") << 2 << std::optional<int>();
    QTest::newRow("Yes No Cancel answers Cancel") << 3 << std::optional<int>(mb::vbCancel);
    QTest::newRow("Yes No ignores Esc") << 4 << std::optional<int>();
    QTest::newRow("Yes No with Help ignores Esc") << 4 + 16384 << std::optional<int>();
    QTest::newRow("Retry Cancel answers Cancel") << 5 << std::optional<int>(mb::vbCancel);
}

void MsgBoxStyleTest::escapeAnswer()
{
    QFETCH(int, buttons);
    QFETCH(std::optional<int>, answer);
    QCOMPARE(msgBoxStyle(buttons).escapeResult, answer);
}

void MsgBoxStyleTest::icon_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<MsgBoxIcon>("icon");

    QTest::newRow("none") << 0 << MsgBoxIcon::None;
    QTest::newRow("critical") << 16 << MsgBoxIcon::Critical;
    QTest::newRow("question") << 32 + 4 << MsgBoxIcon::Question;
    QTest::newRow("exclamation") << 48 + 1 << MsgBoxIcon::Exclamation;
    QTest::newRow("information") << 64 + 16384 << MsgBoxIcon::Information;
    QTest::newRow("unknown 80 shows none") << 80 << MsgBoxIcon::None;
    QTest::newRow("unknown 128 shows none") << 128 << MsgBoxIcon::None;
}

void MsgBoxStyleTest::icon()
{
    QFETCH(int, buttons);
    QFETCH(MsgBoxIcon, icon);
    QCOMPARE(msgBoxStyle(buttons).icon, icon);
}

void MsgBoxStyleTest::windowFlags_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("systemModal");
    QTest::addColumn<bool>("foreground");

    QTest::newRow("application modal") << 0 << false << false;
    QTest::newRow("system modal") << 4096 << true << false;
    QTest::newRow("foreground") << 65536 << false << true;
    QTest::newRow("system modal in front") << 3 + 32 + 256 + 4096 + 65536 << true << true;
    QTest::newRow("task modal counts as application") << 8192 << false << false;
}

void MsgBoxStyleTest::windowFlags()
{
    QFETCH(int, buttons);
    QFETCH(bool, systemModal);
    QFETCH(bool, foreground);
    const MsgBoxStyle style = msgBoxStyle(buttons);
    QCOMPARE(style.systemModal, systemModal);
    QCOMPARE(style.foreground, foreground);
}

void MsgBoxStyleTest::promptLines_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("shown");

    QTest::newRow("one line") << "Hello" << "Hello";
    QTest::newRow("CR LF") << "A\r\nB" << "A\nB";
    QTest::newRow("CR alone") << "A\rB" << "A\nB";
    QTest::newRow("LF alone") << "A\nB" << "A\nB";
    QTest::newRow("LF CR is two breaks") << "A\n\rB" << "A\n\nB";
    QTest::newRow("empty line between") << "A\r\n\r\nB" << "A\n\nB";
    QTest::newRow("breaks at both ends") << "\rA\r\n" << "\nA\n";
    QTest::newRow("tabs and blanks kept") << " \tA  B " << " \tA  B ";
}

void MsgBoxStyleTest::promptLines()
{
    QFETCH(QString, prompt);
    QFETCH(QString, shown);
    QCOMPARE(lfLineBreaks(prompt), shown);
}

PELK_TEST_MAIN(MsgBoxStyleTest)
#include "tst_msgboxstyle.moc"
