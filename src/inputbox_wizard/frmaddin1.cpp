#include "frmaddin1.h"

#include <QMenuBar>

namespace pelk {

frmAddIn1::frmAddIn1(Platform &platform, QObject *parent) : forms::Form(platform, parent) {}

void frmAddIn1::createControls(forms::FormWindow *window)
{
    window->setObjectName(QStringLiteral("frmAddIn1"));
    window->setWindowTitle(QStringLiteral("Pelk Input Box Wizard"));
    window->setClientSize(4335, 3930);
    QAction *exit = window->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    connect(exit, &QAction::triggered, this, [this] {
        if (Connect)
            Connect->Hide1();
    });
}

void frmAddIn1::Form_Unload(bool &)
{
    if (Connect)
        Connect->Hide1();
}

} // namespace pelk
