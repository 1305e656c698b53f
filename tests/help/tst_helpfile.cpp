// The built help document: a topic for every context number the tools open,
// and no contents entry, index entry or link that leads nowhere.
#include "testmain.h"

#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QRegularExpression>
#include <QTextDocument>

#include <memory>

namespace {

QString titleOf(const QByteArray &page)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    return title.match(QString::fromUtf8(page)).captured(1).trimmed();
}

QString plainTextOf(const QByteArray &page)
{
    QTextDocument document;
    document.setHtml(QString::fromUtf8(page));
    return document.toPlainText().simplified();
}

} // namespace

class TestHelpFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<QHelpEngine> m_engine;
    QString m_namespace;

    void collectContents(QHelpContentItem *item, QList<QHelpContentItem *> &items)
    {
        for (int i = 0; item && i < item->childCount(); ++i) {
            items << item->child(i);
            collectContents(item->child(i), items);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFileInfo::exists(QStringLiteral(PELK_HELP_FILE)));
        m_namespace = QHelpEngineCore::namespaceName(QStringLiteral(PELK_HELP_FILE));
        QVERIFY(!m_namespace.isEmpty());
        m_engine = std::make_unique<QHelpEngine>(m_dir.filePath(QStringLiteral("test.qhc")));
        m_engine->setReadOnly(false);
        m_engine->setUsesFilterEngine(true);
        QVERIFY(m_engine->setupData());
        QVERIFY2(m_engine->registerDocumentation(QStringLiteral(PELK_HELP_FILE)), qPrintable(m_engine->error()));
        QVERIFY(m_engine->setupData());
        // Contents and index are built in the background.
        QHelpContentModel *contents = m_engine->contentModel();
        QHelpIndexModel *index = m_engine->indexModel();
        QTRY_VERIFY_WITH_TIMEOUT(contents->rowCount() > 0 && !contents->isCreatingContents(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(index->rowCount() > 0 && !index->isCreatingIndex(), 10000);
    }

    void cleanupTestCase() { m_engine.reset(); }

    // Each context number the tools pass opens the page written for it.
    void contextTopic_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("title");
        QTest::newRow("message field") << 1 << "The message field";
        QTest::newRow("message box quick help") << 2 << "Message box wizard step by step";
        QTest::newRow("message too long") << 5 << "Message too long";
        QTest::newRow("input box menus") << 200 << "Input box wizard menus";
        QTest::newRow("input box title") << 201 << "Title box (input box wizard)";
        QTest::newRow("input box default") << 202 << "Default box (input box wizard)";
        QTest::newRow("input box message") << 203 << "Message box (input box wizard)";
        QTest::newRow("input box test") << 204 << "Test button (input box wizard)";
        QTest::newRow("input box copy") << 205 << "Copy button (input box wizard)";
        QTest::newRow("color finder window") << 300 << "Color finder";
        QTest::newRow("channel steppers") << 301 << "Channel steppers";
        QTest::newRow("value boxes") << 302 << "Value boxes";
        QTest::newRow("step size steppers") << 303 << "Step size steppers";
        QTest::newRow("max") << 304 << "Max button";
        QTest::newRow("nom") << 305 << "Nom button";
        QTest::newRow("min") << 306 << "Min button";
        QTest::newRow("color copy") << 307 << "Copy button (color finder)";
        QTest::newRow("picture viewer menus") << 400 << "Picture viewer menus";
        QTest::newRow("restore") << 401 << "Restore button";
        QTest::newRow("folder list") << 402 << "Folder list";
        QTest::newRow("drive list") << 403 << "Drive list";
        QTest::newRow("super size") << 404 << "Super Size button";
        QTest::newRow("file list") << 405 << "File list";
        QTest::newRow("scan") << 406 << "Scan button";
        QTest::newRow("speed up-down") << 407 << "Speed control";
        QTest::newRow("picture box") << 408 << "Picture box";
        QTest::newRow("speed value") << 409 << "Speed value";
        QTest::newRow("path copy") << 410 << "Copy button (picture viewer)";
    }
    void contextTopic()
    {
        QFETCH(int, context);
        QFETCH(QString, title);
        const QList<QHelpLink> links = m_engine->documentsForIdentifier(QStringLiteral("context-%1").arg(context));
        QCOMPARE(links.size(), 1);
        const QByteArray page = m_engine->fileData(links.first().url);
        QCOMPARE(titleOf(page), title);
        // A real topic, not a heading alone.
        QVERIFY2(plainTextOf(page).size() > 150, qPrintable(plainTextOf(page)));
    }

    // The start page and the page about the viewer, which the viewer opens by id.
    void viewerPage_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("title");
        QTest::newRow("contents") << "contents" << "Pelk Tulvane Help";
        QTest::newRow("help on help") << "help-on-help" << "Using the help viewer";
    }
    void viewerPage()
    {
        QFETCH(QString, id);
        QFETCH(QString, title);
        const QList<QHelpLink> links = m_engine->documentsForIdentifier(id);
        QCOMPARE(links.size(), 1);
        QCOMPARE(titleOf(m_engine->fileData(links.first().url)), title);
    }

    void everyContentsEntryLeadsToAPage()
    {
        QHelpContentModel *model = m_engine->contentModel();
        QCOMPARE(model->rowCount(), 1); // one book, the tools' chapters inside
        QList<QHelpContentItem *> items{model->contentItemAt(model->index(0, 0))};
        collectContents(items.first(), items);
        QVERIFY(items.size() > 30);
        for (QHelpContentItem *item : std::as_const(items)) {
            const QByteArray page = m_engine->fileData(item->url());
            QVERIFY2(!page.isEmpty(), qPrintable(item->title()));
            QVERIFY2(!titleOf(page).isEmpty(), qPrintable(item->url().toString()));
        }
    }

    void everyIndexEntryLeadsToOneTopic()
    {
        const QStringList entries = m_engine->indexModel()->stringList();
        QVERIFY(entries.size() > 50);
        for (const QString &entry : entries) {
            const QList<QHelpLink> links = m_engine->documentsForKeyword(entry);
            QVERIFY2(links.size() == 1, qPrintable(entry));
            QVERIFY2(!m_engine->fileData(links.first().url).isEmpty(), qPrintable(entry));
        }
    }

    void everyLinkInAPageLeadsToAPage()
    {
        static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#]*)[^\"]*\""));
        const QList<QUrl> pages = m_engine->files(m_namespace, QString(), QStringLiteral("html"));
        QVERIFY(pages.size() > 30);
        for (const QUrl &page : pages) {
            const QString html = QString::fromUtf8(m_engine->fileData(page));
            for (const QRegularExpressionMatch &match : link.globalMatch(html)) {
                const QString target = match.captured(1);
                if (target.isEmpty())
                    continue;
                QVERIFY2(!m_engine->fileData(page.resolved(QUrl(target))).isEmpty(),
                         qPrintable(page.fileName() + QStringLiteral(" -> ") + target));
            }
        }
    }
};

PELK_TEST_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
