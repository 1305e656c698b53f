#include "frmaddin3.h"

#include <QMenuBar>

namespace pelk {

frmAddIn3::frmAddIn3(Platform &platform, QObject *parent) : forms::Form(platform, parent) {}

void frmAddIn3::createControls(forms::FormWindow *window)
{
    window->setObjectName(QStringLiteral("frmAddIn3"));
    window->setWindowTitle(QStringLiteral("Pelk Picture Viwer"));
    window->setClientSize(6600, 3120);
    QAction *exit = window->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    connect(exit, &QAction::triggered, this, [this] {
        if (Connect)
            Connect->Hide3();
    });
}

void frmAddIn3::Form_Unload(bool &)
{
    if (Connect)
        Connect->Hide3();
}

} // namespace pelk
