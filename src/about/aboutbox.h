// The about windows of the message box wizard, the input box wizard and the
// color finder. Each exists once for the whole program: instance() creates it
// on first use; OK (Enter, Esc) or the close box unloads it, and the next
// opening loads it afresh.
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

#include <QList>

namespace pelk {

class AboutBox : public forms::Form {
    Q_OBJECT
public:
    struct Ui {
        QLabel *picIcon = nullptr;
        forms::Label *lblTitle = nullptr;
        forms::Label *lblVersion = nullptr;
        QList<forms::Label *> lblDescription; // a control array; element 0 is the description
        forms::Label *Label1 = nullptr;       // the author line
        forms::CommandButton *cmdOK = nullptr;
    };
    Ui &ui()
    {
        ensureLoaded();
        return *m_ui;
    }

    AboutBox(Platform &platform, QObject *parent);

protected:
    void releaseControls() override { m_ui.reset(); }
    void cmdOK_Click();

    std::unique_ptr<Ui> m_ui;
};

class frmAboutM : public AboutBox {
    Q_OBJECT
public:
    static frmAboutM &instance(Platform &platform);
    using AboutBox::AboutBox;

protected:
    void createControls(forms::FormWindow *window) override;
    void Form_Load() override;
};

class frmAboutI : public AboutBox {
    Q_OBJECT
public:
    static frmAboutI &instance(Platform &platform);
    using AboutBox::AboutBox;

protected:
    void createControls(forms::FormWindow *window) override;
    void Form_Load() override;
};

class frmAboutC : public AboutBox {
    Q_OBJECT
public:
    static frmAboutC &instance(Platform &platform);
    using AboutBox::AboutBox;

protected:
    void createControls(forms::FormWindow *window) override;
    void Form_Load() override;
};

} // namespace pelk
