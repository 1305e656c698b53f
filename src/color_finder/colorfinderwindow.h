// The color finder: three channel steppers compose a color, the window's
// background right of the control panel previews it, and Copy puts it on the
// clipboard as an RGB call, a decimal color number or a hexadecimal constant.
// The color, the step sizes and the format are remembered per user.
#pragma once

#include "colorfinderwindow_controls.h"

#include "forms/commondialog.h"
#include "forms/controls.h"
#include "forms/controltable.h"
#include "forms/form.h"
#include "hostsdk/hostsdk.h"
#include "platform/services.h"

#include <QMenu>

#include <array>
#include <memory>

namespace pelk {

class ColorFinderWindow : public forms::Form {
    Q_OBJECT
public:
    // The controls and menu entries of colorfinderwindow_controls.h, each typed by its kind.
    struct Ui {
        PELK_FORMS_UI(PELK_COLOR_FINDER_CONTROLS, PELK_COLOR_FINDER_MENUS)
        std::unique_ptr<CommonDialog> CommonDialog1;
    };

    Ui &ui()
    {
        ensureLoaded();
        return *m_ui;
    }

    // The services this window uses.
    struct Services {
        const AppInfo &app;
        HelpSystem &help;
        Settings &settings;
        Boxes &boxes;
        Clipboard &clipboard;
        Dialogs &dialogs;
        Services(const pelk::Services &all) : app(all.app), help(all.help), settings(all.settings), boxes(all.boxes), clipboard(all.clipboard), dialogs(all.dialogs) {}
    };
    explicit ColorFinderWindow(const Services &services, QObject *parent = nullptr);

    std::shared_ptr<hostsdk::VBE> VBInstance2;

    // The preview: the window's background color, a color number.
    quint32 BackColor();
    void setBackColor(quint32 color);

    // Repaints the preview from the value boxes, then saves (not while loading).
    void Draw_Color();
    // Writes the three channels and the three step sizes to the settings store.
    void SaveAll();

    // The window's controls and menus (colorfinderwindow_controls.cpp).
    static const forms::FormDesign &formDesign();

protected:
    void createControls(forms::FormWindow *window) override;
    void releaseControls() override;
    // Connects each handler to its control's event.
    void connectHandlers(Ui &u);
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;
    void Form_Resize() override;

private:
    // The controls of one channel, so the three channels share their handlers.
    struct Channel {
        forms::UpDown *stepper;
        forms::TextBox *box;
        forms::UpDown *stepSize;
        forms::Label *stepLabel;
        QString key; // settings key of the value; the step size adds "Set"
    };
    std::array<Channel, 3> channels();
    Channel channel(int index) { return channels()[index]; }

private:
    void CommandCut_Click();
    void mnuColorBar_Click();
    void mnuExit_Click();
    void mnuhelp_Click();
    void mnuAbout_Click();
    void mnuWhatisthis_Click();

private:
    void channelStepped(const Channel &c);
    void stepSizeChanged(const Channel &c);
    void jump(const Channel &c, int value);
    void chooseFormat(forms::MenuItem *item);
    void settingsNotSaved(const Error &error);

    Services m_services;
    std::unique_ptr<Ui> m_ui;
    // From the start of loading to its final repaint nothing is saved, so a
    // half-done load never overwrites values it has not read yet.
    bool m_loading = false;
    // A store that cannot keep the settings is reported once: every repaint
    // saves.
    bool m_settingsFailureShown = false;
};

} // namespace pelk
