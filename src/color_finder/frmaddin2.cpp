#include "frmaddin2.h"

#include <QMenuBar>

namespace pelk {

frmAddIn2::frmAddIn2(Platform &platform, QObject *parent) : forms::Form(platform, parent) {}

void frmAddIn2::createControls(forms::FormWindow *window)
{
    window->setObjectName(QStringLiteral("frmAddIn2"));
    window->setWindowTitle(QStringLiteral("Pelk Color Finder"));
    window->setClientSize(5910, 4065);
    QAction *exit = window->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    connect(exit, &QAction::triggered, this, [this] {
        if (Connect)
            Connect->Hide2();
    });
}

void frmAddIn2::Form_Unload(bool &)
{
    if (Connect)
        Connect->Hide2();
}

} // namespace pelk
