// The picture viewer and path finder window: drive, folder and file lists,
// an image box that stretches the chosen picture, a timed scan through the
// file list, a full-height view, and copying of a file's full path.
#pragma once

#include "pictureviewerwindow_controls.h"

#include "forms/controls.h"
#include "forms/controltable.h"
#include "forms/filelists.h"
#include "forms/form.h"
#include "forms/imagebox.h"
#include "hostsdk/hostsdk.h"
#include "platform/services.h"

#include <QMenu>

namespace pelk {

class PictureViewerWindow : public forms::Form {
    Q_OBJECT
public:
    // The services this window uses.
    struct Services {
        const AppInfo &app;
        HelpSystem &help;
        Boxes &boxes;
        Clipboard &clipboard;
        Pictures &pictures;
        Services(const pelk::Services &all) : app(all.app), help(all.help), boxes(all.boxes), clipboard(all.clipboard), pictures(all.pictures) {}
    };
    explicit PictureViewerWindow(const Services &services, QObject *parent = nullptr);

    // The controls and menu entries of pictureviewerwindow_controls.h, each typed by its kind.
    struct Ui {
        PELK_FORMS_UI(PELK_PICTURE_VIEWER_CONTROLS, PELK_PICTURE_VIEWER_MENUS)
    };

    Ui &ui()
    {
        ensureLoaded();
        return *m_ui;
    }

    std::shared_ptr<hostsdk::VBE> VBInstance3;

    // Form variables: they outlive an unload.
    int i = 0;           // scan position: the index the next tick shows
    bool Toggel = false; // a scan runs
    double SavedTop = 0, SavedLeft = 0, SavedHeight = 0;
    int SavedWidth = 0;

    static const QString kPicturePattern;
    // The help context of the window and of its menu entries.
    static constexpr int kMenuHelpContext = 400;

    // The window's controls and menus (pictureviewerwindow_controls.cpp).
    static const forms::FormDesign &formDesign();

protected:
    void createControls(forms::FormWindow *window) override;
    void releaseControls() override { m_ui.reset(); }
    // Connects each handler to its control's event.
    void connectHandlers(Ui &u);
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

private:
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_Click();
    void File1_Click();
    void cmdScan_Click();
    void Timer1_Timer();
    void UpDown1_Change();
    void cmdSuper_Click();
    void cmdRestore_Click();
    void mnuPathFinder_Click();
    void Command1_Click();
    void mnuhelp_Click();
    void mnuContextHelp_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

private:
    void stopAndRewind();
    QString selectedFullPath();
    // Lets the window be maximised while super-sized; fixed otherwise.
    void allowMaximise(bool allow);
    QPoint m_normalPosition; // the window's place before Super Size
    // Asks for the pictures of the list from index `from` on to be decoded
    // ahead, for the box's size.
    void readAhead(int from);
    // Shows the selected file; a file that is no readable picture leaves the
    // one shown before.
    void showSelectedPicture();

    Services m_services;
    std::unique_ptr<Ui> m_ui;
};

} // namespace pelk
