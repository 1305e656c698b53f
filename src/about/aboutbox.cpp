// Minimal about boxes until their full layout lands.
#include "aboutbox.h"

namespace pelk {

AboutBox::AboutBox(Platform &platform, QObject *parent) : forms::Form(platform, parent) {}

void AboutBox::cmdOK_Click()
{
    Unload();
}

template <class T> static T &instanceOf(Platform &platform, std::unique_ptr<T> &slot)
{
    if (!slot || &slot->platform() != &platform) {
        slot.reset(new T(platform, nullptr));
    }
    return *slot;
}

namespace {
struct Instances {
    std::unique_ptr<frmAboutM> m;
    std::unique_ptr<frmAboutI> i;
    std::unique_ptr<frmAboutC> c;
};
Instances &instances()
{
    static Instances all;
    return all;
}

void buildCommon(AboutBox::Ui &ui, forms::FormWindow *window)
{
    QWidget *client = window->clientArea();
    ui.lblTitle = new forms::Label(QString(), client);
    ui.lblVersion = new forms::Label(QString(), client);
    ui.lblDescription.append(new forms::Label(QString(), client));
    ui.Label1 = new forms::Label(QString(), client);
    ui.cmdOK = new forms::CommandButton(QStringLiteral("&OK"), client);
    ui.picIcon = new QLabel(client);
}
} // namespace

frmAboutM &frmAboutM::instance(Platform &platform)
{
    return instanceOf(platform, instances().m);
}
frmAboutI &frmAboutI::instance(Platform &platform)
{
    return instanceOf(platform, instances().i);
}
frmAboutC &frmAboutC::instance(Platform &platform)
{
    return instanceOf(platform, instances().c);
}

void frmAboutM::createControls(forms::FormWindow *window)
{
    m_ui = std::make_unique<Ui>();
    buildCommon(*m_ui, window);
    connect(m_ui->cmdOK, &forms::CommandButton::Click, this, &frmAboutM::cmdOK_Click);
}
void frmAboutM::Form_Load() {}

void frmAboutI::createControls(forms::FormWindow *window)
{
    m_ui = std::make_unique<Ui>();
    buildCommon(*m_ui, window);
    connect(m_ui->cmdOK, &forms::CommandButton::Click, this, &frmAboutI::cmdOK_Click);
}
void frmAboutI::Form_Load() {}

void frmAboutC::createControls(forms::FormWindow *window)
{
    m_ui = std::make_unique<Ui>();
    buildCommon(*m_ui, window);
    connect(m_ui->cmdOK, &forms::CommandButton::Click, this, &frmAboutC::cmdOK_Click);
}
void frmAboutC::Form_Load() {}

} // namespace pelk
