// The input box: the proposed answer, what OK, Cancel, Enter, Esc and the
// close box return, its title and its prompt's lines.
#include "desktop/inputbox.h"
#include "desktop/promptarea.h"
#include "desktop/desktopservices.h"
#include "modalanswer.h"
#include "testmain.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

using namespace pelk;

namespace {

void whenBoxShows(std::function<void(InputBoxDialog *)> act)
{
    whenModalShows<InputBoxDialog>(std::move(act));
}

} // namespace

class InputBoxTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void proposedAnswerIsReadyToReplace();
    void title_data();
    void title();
    void promptLines_data();
    void promptLines();
    void keyboardAndNames();

private:
    std::unique_ptr<DesktopServices> m_platform;
};

void InputBoxTest::init()
{
    m_platform = std::make_unique<DesktopServices>(QStringLiteral("/opt/pelk"));
}

void InputBoxTest::cleanup()
{
    m_platform.reset();
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void InputBoxTest::answers_data()
{
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("typed"); // replaces the field's text unless empty
    QTest::addColumn<QString>("finish"); // "OK", "Cancel", "Enter", "Esc", "close"
    QTest::addColumn<QString>("answer");

    QTest::newRow("OK keeps the default") << "Bob" << "" << "OK" << "Bob";
    QTest::newRow("OK returns what was typed") << "Bob" << "Alice" << "OK" << "Alice";
    QTest::newRow("Enter is OK") << "Bob" << "Carol" << "Enter" << "Carol";
    QTest::newRow("Cancel returns nothing") << "Bob" << "Dave" << "Cancel" << "";
    QTest::newRow("Esc is Cancel") << "Bob" << "" << "Esc" << "";
    QTest::newRow("close box is Cancel") << "Bob" << "" << "close" << "";
    QTest::newRow("empty default") << "" << "" << "OK" << "";
    QTest::newRow("blanks and quotes kept") << "" << " \"a\", b " << "OK" << " \"a\", b ";
    QTest::newRow("unicode") << "" << "Grüße 你好" << "OK" << "Grüße 你好";
}

void InputBoxTest::answers()
{
    QFETCH(QString, defaultText);
    QFETCH(QString, typed);
    QFETCH(QString, finish);
    QFETCH(QString, answer);

    whenBoxShows([&](InputBoxDialog *box) {
        QLineEdit *field = box->answerField();
        if (!typed.isEmpty()) {
            field->clear();
            // Typed as one key event carrying the text, as an input method
            // delivers characters that have no key of their own.
            QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, typed, Qt::NoModifier);
        }
        if (finish == "OK")
            QTest::mouseClick(box->okButton(), Qt::LeftButton);
        else if (finish == "Cancel")
            QTest::mouseClick(box->cancelButton(), Qt::LeftButton);
        else if (finish == "Enter")
            QTest::keyClick(field, Qt::Key_Return);
        else if (finish == "Esc")
            QTest::keyClick(field, Qt::Key_Escape);
        else
            box->close();
    });
    const QString result = m_platform->InputBox(QStringLiteral("Enter your name"), QStringLiteral("Name"), defaultText);
    QCOMPARE(result, answer);
}

void InputBoxTest::proposedAnswerIsReadyToReplace()
{
    InputBoxDialog box(QStringLiteral("Name?"), QStringLiteral("T"), QStringLiteral("Bob"));
    box.open();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(box.focusWidget(), box.answerField());
    QCOMPARE(box.answerField()->selectedText(), QStringLiteral("Bob"));
    QTest::keyClicks(box.answerField(), QStringLiteral("Eve"));
    QTest::keyClick(box.answerField(), Qt::Key_Return);
    QCOMPARE(box.answer(), QStringLiteral("Eve"));
}

void InputBoxTest::title_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty shows the application title") << "" << "Pelk Tulvane";
    QTest::newRow("given") << "Your Project" << "Your Project";
}

void InputBoxTest::title()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);

    QString seen;
    whenBoxShows([&](InputBoxDialog *box) {
        seen = box->windowTitle();
        box->reject();
    });
    m_platform->InputBox(QStringLiteral("x"), title, QString());
    QCOMPARE(seen, shown);
}

void InputBoxTest::promptLines_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("shown");

    QTest::newRow("CR LF") << "Line one\r\nLine two" << "Line one\nLine two";
    QTest::newRow("CR") << "Line one\rLine two" << "Line one\nLine two";
    QTest::newRow("LF") << "Line one\nLine two" << "Line one\nLine two";
    QTest::newRow("empty") << "" << "";
}

void InputBoxTest::promptLines()
{
    QFETCH(QString, prompt);
    QFETCH(QString, shown);

    InputBoxDialog box(prompt, QStringLiteral("T"), QString());
    const QList<PromptArea *> texts = box.findChildren<PromptArea *>();
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.first()->toPlainText(), shown);
    QVERIFY(texts.first()->isReadOnly());
}

void InputBoxTest::keyboardAndNames()
{
    InputBoxDialog box(QStringLiteral("Enter your\r\nname"), QStringLiteral("T"), QString());
    box.open();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(QAccessible::queryAccessibleInterface(box.answerField())->text(QAccessible::Name),
             QStringLiteral("Enter your name"));
    // Tab walks from the field to OK and Cancel.
    QTest::keyClick(box.answerField(), Qt::Key_Tab);
    QCOMPARE(box.focusWidget(), box.okButton());
    QTest::keyClick(box.okButton(), Qt::Key_Tab);
    QCOMPARE(box.focusWidget(), box.cancelButton());
    QTest::keyClick(box.cancelButton(), Qt::Key_Space);
    QCOMPARE(box.result(), int(QDialog::Rejected));
    QVERIFY(!box.isVisible());
}

PELK_TEST_MAIN(InputBoxTest)
#include "tst_inputbox.moc"
