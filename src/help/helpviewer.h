// The help window: contents and index tabs beside the topic pane, reading a
// compressed help file through QHelpEngine. One per process, reused.
#pragma once

#include <QUrl>
#include <QWidget>

#include <memory>

class QHelpContentWidget;
class QHBoxLayout;
class QHelpEngine;
class QHelpIndexWidget;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTabWidget;
class QTemporaryDir;
class QVBoxLayout;

namespace pelk::help {

class HelpBrowser;

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    enum class Tab { Contents, Index };

    // The window of this process, or nullptr before the first request and
    // after closeInstance().
    static HelpViewer *instance();
    static HelpViewer *ensureInstance();
    static void closeInstance();

    ~HelpViewer() override;

    // Loads `helpFile` unless it is the file already shown. A missing,
    // unreadable or damaged file leaves the window empty with a note that
    // says why, and returns false.
    bool openFile(const QString &helpFile);
    bool isReady() const;
    QString helpFile() const;

    // Requests; each needs a file that openFile() accepted.
    void showContents();
    void showIndex(const QString &partialKey);
    void showKeyword(const QString &key);
    void showContext(int context);
    void showHelpOnHelp();

    // Shows the window in front, centred the first time. While a modal box
    // runs (a message box whose Help button asked), the window stays usable
    // beside it, and the box answerable.
    void present(QWidget *owner);

    QUrl topic() const;
    QString topicTitle() const;
    QString note() const;
    Tab currentTab() const;
    QString indexFilter() const;
    // The index entries the list shows now, and whether the index is built
    // (it is built in the background after a file is opened).
    QStringList indexEntries() const;
    bool isIndexBuilt() const;
    QString selectedIndexEntry() const;
    // The title of the contents entry selected (the topic shown, once the
    // contents are built).
    QString selectedContentsEntry() const;

signals:
    void indexBuilt();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HelpViewer();
    QHBoxLayout *createHistoryButtons();
    void createNote();
    void createTabs();
    void connectKeys();
    void connectTopicAndIndex();
    // The steps of openFile(); a refusal sets the note.
    bool checkFile(const QString &helpFile);
    QHelpEngine *startEngine(const QString &helpFile);
    void addContents(QHelpEngine *engine);
    void addIndex(QHelpEngine *engine);
    void closeFile();
    void setNote(const QString &text);
    bool showIdentifier(const QString &id);
    void showUrl(const QUrl &url);
    void followLink(const QUrl &url);
    void showStartPage();
    void applyIndexFilter();
    void onIndexBuilt();
    void selectTopicInContents(const QUrl &topic);
    void contentsItemChosen(const QModelIndex &index);
    QString newCollectionFile();

    QString m_helpFile;
    QHelpEngine *m_engine = nullptr;
    QHelpContentWidget *m_contents = nullptr;
    QHelpIndexWidget *m_index = nullptr;
    bool m_indexBuilt = false;
    bool m_placed = false;
    std::unique_ptr<QTemporaryDir> m_cacheDir;
    int m_collections = 0;

    QPushButton *m_back = nullptr;
    QPushButton *m_forward = nullptr;
    QLabel *m_note = nullptr;
    QTabWidget *m_tabs = nullptr;
    QVBoxLayout *m_contentsLayout = nullptr;
    QVBoxLayout *m_indexLayout = nullptr;
    QLineEdit *m_filter = nullptr;
    HelpBrowser *m_browser = nullptr;
};

} // namespace pelk::help
