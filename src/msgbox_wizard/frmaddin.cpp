#include "frmaddin.h"

#include <QMenuBar>

namespace pelk {

frmAddIn::frmAddIn(Platform &platform, QObject *parent) : forms::Form(platform, parent) {}

void frmAddIn::createControls(forms::FormWindow *window)
{
    window->setObjectName(QStringLiteral("frmAddIn"));
    window->setWindowTitle(QStringLiteral("Pelk MsgBox Wizard"));
    window->setClientSize(7020, 6150);
    QAction *exit = window->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    connect(exit, &QAction::triggered, this, [this] {
        if (Connect)
            Connect->Hide();
    });
}

void frmAddIn::Form_Unload(bool &)
{
    if (Connect)
        Connect->Hide();
}

} // namespace pelk
