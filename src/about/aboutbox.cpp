#include "aboutbox.h"

#include "maker.h"
#include "programicon.h"
#include "forms/twips.h"

#include <QCoreApplication>
#include <QShortcut>

#include <array>

namespace pelk {

QString versionText(const AppInfo &app)
{
    return QStringLiteral("Version %1.%2.%3").arg(app.Major).arg(app.Minor).arg(app.Revision);
}

QString authorLine()
{
    return QStringLiteral("Programed By ") + maker::kAuthorName + QStringLiteral(" 12/14/1997") + QLatin1Char('\r')
        + maker::kAuthorEmail;
}

namespace {

// One window of each kind for the whole program. They go with the
// application, while their widgets can still be deleted.
using Instances = std::array<std::unique_ptr<AboutBox>, 3>;

Instances &instances()
{
    static Instances all;
    static const bool cleanup = [] {
        qAddPostRoutine([] {
            for (std::unique_ptr<AboutBox> &box : instances())
                box.reset();
        });
        return true;
    }();
    Q_UNUSED(cleanup);
    return all;
}

// Steps the font of a word-wrapped label down until its text fits the
// label's box, so a long description is never cut off.
void shrinkToFit(QLabel *label)
{
    QFont font = label->font();
    const auto height = [&] {
        return QFontMetrics(font)
            .boundingRect(QRect(0, 0, label->width(), 1 << 20), Qt::TextWordWrap, label->text())
            .height();
    };
    while (font.pointSizeF() > 6 && height() > label->height())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

// Steps the font of a label that sizes itself down until its text is no
// wider than `width`.
void narrowToFit(QLabel *label, int width)
{
    QFont font = label->font();
    while (font.pointSizeF() > 6 && QFontMetrics(font).size(0, label->text()).width() > width)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
    label->adjustSize();
}

const QString kMsgBoxWizardDescription = QStringLiteral(
    "Makes Adding message boxes to your program code  as easy as clicking your mouse. You no longer have to "
    "determine the code or remember the key words. Just place it on your task bar and when you need a message box "
    "restore it,  build it, and copy to your code. Use the message area of the message box formatter to import "
    "text files and which can be spell corrected in your text editor then use the right mouse button to copy and "
    "paste even in label captions. as I did for this about label. All other Help files were created with Pelk "
    "Marvo.");

} // namespace

const AboutBox::Design &AboutBox::design(Which which)
{
    static const Design designs[] = {
        {QStringLiteral("About Message box wizard"), kMsgBoxWizardDescription, 5340, 3780, 4125, 2010, 3000, 360,
         3360, 3720, 3240},
        {QStringLiteral("About Input Box wizard"),
         QStringLiteral("Makes Adding Input boxes to your program code  as easy as clicking your mouse. You no longer "
                        "have to determine the code or remember the key words. Just place it on your task bar and "
                        "when you need a Input  box restore it,  build it, and copy to your code."),
         5220, 2940, 4125, 1050, 1920, 480, 2400, 3840, 2280},
        {QStringLiteral("About Color Finder"),
         QStringLiteral("Makes finding RGB colors and adding colors  to your program code  as easy as clicking your "
                        "mouse. You no longer have to determine the code or remember the key words. Just place it on "
                        "your task bar and when you need a color restore it,  build it, and copy to your code. "),
         5025, 2715, 4035, 1050, 1920, 360, 2280, 3600, 2040},
    };
    return designs[int(which)];
}

AboutBox &AboutBox::instance(Which which, const AppInfo &app, HelpSystem &help)
{
    std::unique_ptr<AboutBox> &box = instances()[int(which)];
    if (!box || &box->help() != &help)
        box = std::make_unique<AboutBox>(which, app, help);
    return *box;
}

AboutBox::AboutBox(Which which, const AppInfo &app, HelpSystem &help, QObject *parent)
    : forms::Form(app, help, parent), m_design(design(which))
{
    designControls();
}

void AboutBox::createControls(forms::FormWindow *window)
{
    // A fixed dialog border, no minimise or maximise box, no taskbar entry.
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const forms::Controls c = forms::build(window, formDesign());
    window->setWindowIcon(programIcon());
    m_ui = std::make_unique<Ui>();
    Ui &ui = *m_ui;
    ui.pick(c);

    ui.picIcon->setPixmap(programPixmap());
    ui.lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The web address goes under the title when it does not fit: room for
    // two whole lines, as the tools put their web address on the second.
    ui.lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int twoLines = 2 * ui.lblTitle->fontMetrics().lineSpacing();
    ui.lblTitle->resize(ui.lblTitle->width(), qMax(ui.lblTitle->height(), twoLines));

    // OK is the default and the cancel button: Enter and Esc press it.
    ui.cmdOK->setDefault(true);
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                   QKeySequence(Qt::Key_Escape)}) {
        auto *shortcut = new QShortcut(key, window);
        connect(shortcut, &QShortcut::activated, ui.cmdOK, &QPushButton::click);
    }
    connect(ui.cmdOK, &forms::CommandButton::Click, this, &AboutBox::cmdOK_Click);
    ui.cmdOK->setFocus();
}

void AboutBox::Form_Load()
{
    shrinkToFit(m_ui->lblDescription);
    m_ui->lblVersion->setCaption(versionText(app()));
    m_ui->Label1->setCaption(authorLine());
    narrowToFit(m_ui->Label1, forms::twips(kAuthorWidth));
}

void AboutBox::cmdOK_Click()
{
    Unload();
}

} // namespace pelk
