#include "helpviewer.h"

#include "forms/windowplacement.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

namespace pelk::help {

namespace {
QPointer<HelpViewer> s_viewer;

// Keyword ids the help file gives its start page and its page about the viewer.
const QLatin1String kStartPageId("contents");
const QLatin1String kHelpOnHelpId("help-on-help");

QString contextId(int context)
{
    return QStringLiteral("context-%1").arg(context);
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
} // namespace

// The topic pane: pages, style sheets and pictures come out of the help file
// and from nowhere else. Links are followed by the viewer.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(QWidget *parent) : QTextBrowser(parent) { setOpenLinks(false); }
    void setEngine(QHelpEngineCore *engine) { m_engine = engine; }

    QVariant loadResource(int type, const QUrl &name) override
    {
        // A page names its style sheet and pictures relative to itself.
        QUrl url = name;
        if (url.isRelative())
            url = m_page.resolved(url);
        else if (type == QTextDocument::HtmlResource)
            m_page = url;
        if (m_engine && url.scheme() == QLatin1String("qthelp"))
            return m_engine->fileData(url);
        return QVariant();
    }

private:
    QPointer<QHelpEngineCore> m_engine;
    QUrl m_page;
};

HelpViewer *HelpViewer::instance()
{
    return s_viewer;
}

HelpViewer *HelpViewer::ensureInstance()
{
    if (!s_viewer) {
        s_viewer = new HelpViewer;
        // The window has no parent; it goes when the application ends.
        connect(qApp, &QCoreApplication::aboutToQuit, s_viewer, [] { closeInstance(); });
    }
    return s_viewer;
}

void HelpViewer::closeInstance()
{
    delete s_viewer.data();
}

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("pelkHelpViewer"));
    setWindowTitle(tr("Pelk Tulvane Help"));

    QHBoxLayout *buttons = createHistoryButtons();
    createNote();
    createTabs();
    m_browser = new HelpBrowser(this);
    m_browser->setAccessibleName(tr("Topic"));

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({260, 580});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_note);
    layout->addWidget(splitter, 1);
    resize(840, 600);

    connectKeys();
    connectTopicAndIndex();
}

QHBoxLayout *HelpViewer::createHistoryButtons()
{
    m_back = new QPushButton(tr("&Back"), this);
    m_back->setToolTip(tr("Back to the topic shown before (Alt+Left)"));
    m_back->setEnabled(false);
    m_forward = new QPushButton(tr("&Forward"), this);
    m_forward->setToolTip(tr("Forward again (Alt+Right)"));
    m_forward->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch(1);
    return buttons;
}

void HelpViewer::createNote()
{
    m_note = new QLabel(this);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);
    m_note->setFrameShape(QFrame::StyledPanel);
    m_note->setMargin(6);
    m_note->setAutoFillBackground(true);
    m_note->setBackgroundRole(QPalette::ToolTipBase);
    m_note->setForegroundRole(QPalette::ToolTipText);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_note->setAccessibleName(tr("Note"));
    m_note->hide();
}

// The contents and index tabs; their lists come with a help file.
void HelpViewer::createTabs()
{
    auto *contentsPage = new QWidget;
    m_contentsLayout = new QVBoxLayout(contentsPage);
    m_contentsLayout->setContentsMargins(4, 4, 4, 4);

    auto *indexPage = new QWidget;
    m_indexLayout = new QVBoxLayout(indexPage);
    m_indexLayout->setContentsMargins(4, 4, 4, 4);
    auto *lookFor = new QLabel(tr("&Look for:"), indexPage);
    m_filter = new QLineEdit(indexPage);
    m_filter->setAccessibleName(tr("Look for"));
    m_filter->setPlaceholderText(tr("A word or part of one"));
    m_filter->setClearButtonEnabled(true);
    lookFor->setBuddy(m_filter);
    m_indexLayout->addWidget(lookFor);
    m_indexLayout->addWidget(m_filter);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(contentsPage, tr("&Contents"));
    m_tabs->addTab(indexPage, tr("&Index"));
    m_tabs->setEnabled(false);
}

// The history buttons and the window's keys: back, forward, help on help, close.
void HelpViewer::connectKeys()
{
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, m_browser, &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, m_browser, &QTextBrowser::forward);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
        if (m_engine)
            showHelpOnHelp();
    });
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
}

void HelpViewer::connectTopicAndIndex()
{
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    // The new page is in the browser when it says so; its source() follows
    // only after.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        const QString title = topicTitle();
        setWindowTitle(title.isEmpty() ? tr("Pelk Tulvane Help") : tr("%1 - Pelk Tulvane Help").arg(title));
        selectTopicInContents(url);
    });
    connect(m_filter, &QLineEdit::textChanged, this, &HelpViewer::applyIndexFilter);
    connect(m_filter, &QLineEdit::returnPressed, this, [this] {
        if (m_index && m_index->currentIndex().isValid())
            m_index->activateCurrentItem();
    });
    // The arrow keys move through the index while the filter box has the focus.
    m_filter->installEventFilter(this);
}

HelpViewer::~HelpViewer()
{
    closeFile();
}

void HelpViewer::closeFile()
{
    m_browser->setEngine(nullptr);
    m_browser->clear();
    m_browser->clearHistory();
    delete m_contents;
    m_contents = nullptr;
    delete m_index;
    m_index = nullptr;
    m_indexBuilt = false;
    if (m_engine) {
        const QString collection = m_engine->collectionFile();
        delete m_engine;
        m_engine = nullptr;
        QFile::remove(collection);
    }
    m_tabs->setEnabled(false);
    setWindowTitle(tr("Pelk Tulvane Help"));
}

QString HelpViewer::newCollectionFile()
{
    // The engine's own bookkeeping: private to this process and thrown away
    // with the window, never written next to the program.
    if (!m_cacheDir) {
        m_cacheDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/pelktulvane-help-XXXXXX"));
        if (!m_cacheDir->isValid()) {
            m_cacheDir.reset();
            return QString();
        }
    }
    return m_cacheDir->filePath(QStringLiteral("collection-%1.qhc").arg(++m_collections));
}

bool HelpViewer::openFile(const QString &helpFile)
{
    if (m_engine && helpFile == m_helpFile)
        return true;
    closeFile();
    m_helpFile = helpFile;
    setNote(QString());
    if (!checkFile(helpFile))
        return false;
    QHelpEngine *engine = startEngine(helpFile);
    if (!engine)
        return false;
    m_engine = engine;
    m_browser->setEngine(engine);
    addContents(engine);
    addIndex(engine);
    QWidget::setTabOrder(m_filter, m_index);
    m_tabs->setEnabled(true);
    return true;
}

bool HelpViewer::checkFile(const QString &helpFile)
{
    const QFileInfo info(helpFile);
    if (helpFile.isEmpty() || !info.exists()) {
        setNote(tr("The help file \"%1\" could not be found. Help is not available until it is installed in "
                   "the program's folder.")
                    .arg(shownPath(helpFile)));
        return false;
    }
    if (!info.isFile() || !info.isReadable()) {
        setNote(tr("The help file \"%1\" could not be read.").arg(shownPath(helpFile)));
        return false;
    }
    if (QHelpEngineCore::namespaceName(helpFile).isEmpty()) {
        setNote(tr("The help file \"%1\" could not be read: it is damaged or it is not a help file.")
                    .arg(shownPath(helpFile)));
        return false;
    }
    return true;
}

QHelpEngine *HelpViewer::startEngine(const QString &helpFile)
{
    const QString collection = newCollectionFile();
    if (collection.isEmpty()) {
        setNote(tr("Help cannot be shown: the help viewer could not create its working files in \"%1\".")
                    .arg(shownPath(QDir::tempPath())));
        return nullptr;
    }
    auto *engine = new QHelpEngine(collection, this);
    engine->setReadOnly(false);
    engine->setUsesFilterEngine(true);
    if (!engine->setupData() || !engine->registerDocumentation(helpFile) || !engine->setupData()) {
        setNote(tr("The help file \"%1\" could not be read: %2").arg(shownPath(helpFile), engine->error()));
        delete engine;
        QFile::remove(collection);
        return nullptr;
    }
    return engine;
}

void HelpViewer::addContents(QHelpEngine *engine)
{
    m_contents = engine->contentWidget();
    m_contents->setAccessibleName(tr("Contents"));
    m_contentsLayout->addWidget(m_contents);
    connect(m_contents, &QHelpContentWidget::linkActivated, this, &HelpViewer::showUrl);
    connect(m_contents, &QAbstractItemView::clicked, this, &HelpViewer::contentsItemChosen);
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        m_contents->expandToDepth(0);
        selectTopicInContents(m_browser->source());
    });
}

void HelpViewer::addIndex(QHelpEngine *engine)
{
    m_index = engine->indexWidget();
    m_index->setAccessibleName(tr("Index"));
    m_indexLayout->addWidget(m_index, 1);
    connect(m_index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &document, const QString &) { showUrl(document.url); });
    connect(m_index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink> &documents, const QString &) {
                if (!documents.isEmpty())
                    showUrl(documents.first().url);
            });
    connect(engine->indexModel(), &QHelpIndexModel::indexCreated, this, &HelpViewer::onIndexBuilt);
}

bool HelpViewer::isReady() const
{
    return m_engine != nullptr;
}

QString HelpViewer::helpFile() const
{
    return m_helpFile;
}

void HelpViewer::setNote(const QString &text)
{
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

bool HelpViewer::showIdentifier(const QString &id)
{
    const QList<QHelpLink> documents = m_engine->documentsForIdentifier(id);
    if (documents.isEmpty())
        return false;
    showUrl(documents.first().url);
    return true;
}

void HelpViewer::showUrl(const QUrl &url)
{
    if (url.isValid() && m_browser->source() != url)
        m_browser->setSource(url);
}

void HelpViewer::followLink(const QUrl &url)
{
    // A link into the help file opens in the viewer; any other goes to the
    // desktop (a web page, an e-mail address).
    if (url.scheme() == QLatin1String("qthelp"))
        showUrl(url);
    else if (url.isValid() && !url.isRelative())
        QDesktopServices::openUrl(url);
}

void HelpViewer::showStartPage()
{
    showIdentifier(kStartPageId);
}

void HelpViewer::showContents()
{
    setNote(QString());
    m_tabs->setCurrentIndex(int(Tab::Contents));
    showStartPage();
    if (m_contents)
        m_contents->setFocus();
}

void HelpViewer::showContext(int context)
{
    setNote(QString());
    m_tabs->setCurrentIndex(int(Tab::Contents));
    if (!showIdentifier(contextId(context))) {
        showStartPage();
        setNote(tr("This help file has no topic for context number %1. The contents are shown instead.")
                    .arg(context));
    }
    m_browser->setFocus();
}

void HelpViewer::showHelpOnHelp()
{
    setNote(QString());
    m_tabs->setCurrentIndex(int(Tab::Contents));
    if (!showIdentifier(kHelpOnHelpId)) {
        showStartPage();
        setNote(tr("This help file has no topic about using the help viewer. The contents are shown instead."));
    }
    m_browser->setFocus();
}

void HelpViewer::showIndex(const QString &partialKey)
{
    setNote(QString());
    m_tabs->setCurrentIndex(int(Tab::Index));
    m_filter->setText(partialKey);
    applyIndexFilter();
    if (m_browser->source().isEmpty())
        showStartPage();
    m_filter->setFocus();
    m_filter->selectAll();
}

void HelpViewer::showKeyword(const QString &key)
{
    showIndex(key);
    const QList<QHelpLink> documents = m_engine->documentsForKeyword(key);
    if (!documents.isEmpty())
        showUrl(documents.first().url);
}

void HelpViewer::applyIndexFilter()
{
    if (m_index && m_indexBuilt)
        m_index->filterIndices(m_filter->text());
}

void HelpViewer::onIndexBuilt()
{
    m_indexBuilt = true;
    applyIndexFilter();
    emit indexBuilt();
}

void HelpViewer::selectTopicInContents(const QUrl &topic)
{
    if (!m_contents)
        return;
    // A place inside a page stands for the page; the entry's branch opens.
    const QModelIndex index = m_contents->indexOf(topic.adjusted(QUrl::RemoveFragment));
    if (index.isValid()) {
        m_contents->setCurrentIndex(index);
        m_contents->scrollTo(index);
    }
}

void HelpViewer::contentsItemChosen(const QModelIndex &index)
{
    auto *model = qobject_cast<QHelpContentModel *>(m_contents->model());
    if (QHelpContentItem *item = model ? model->contentItemAt(index) : nullptr)
        showUrl(item->url());
}

void HelpViewer::present(QWidget *owner)
{
    // A modal box (a message box whose Help button asked) blocks every other
    // window of the program, except those it is the transient parent of. So
    // the viewer becomes the box's transient: it is usable beside the box and
    // stays an ordinary window, and the box stays answerable. Only Qt hears
    // of it: the window manager sees no transient for a plain window.
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != this) {
        create();
        if (QWindow *box = modal->windowHandle())
            windowHandle()->setTransientParent(box);
    }
    if (!m_placed) {
        QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (screen)
            resize(size().boundedTo(screen->availableSize() * 0.9));
        centerFrame(this);
        m_placed = true;
    }
    show();
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

bool HelpViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress && m_index) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_index, event);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QUrl HelpViewer::topic() const
{
    return m_engine ? m_browser->source() : QUrl();
}

QString HelpViewer::topicTitle() const
{
    return m_engine ? m_browser->documentTitle() : QString();
}

QString HelpViewer::note() const
{
    return m_note->text();
}

HelpViewer::Tab HelpViewer::currentTab() const
{
    return m_tabs->currentIndex() == int(Tab::Index) ? Tab::Index : Tab::Contents;
}

QString HelpViewer::indexFilter() const
{
    return m_filter->text();
}

QStringList HelpViewer::indexEntries() const
{
    QStringList entries;
    if (!m_index || !m_indexBuilt)
        return entries;
    const QAbstractItemModel *model = m_index->model();
    for (int row = 0; row < model->rowCount(); ++row)
        entries << model->index(row, 0).data().toString();
    return entries;
}

bool HelpViewer::isIndexBuilt() const
{
    return m_indexBuilt;
}

QString HelpViewer::selectedIndexEntry() const
{
    return m_index ? m_index->currentIndex().data().toString() : QString();
}

QString HelpViewer::selectedContentsEntry() const
{
    return m_contents ? m_contents->currentIndex().data().toString() : QString();
}

} // namespace pelk::help
