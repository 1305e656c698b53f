// One operation on the per-user files, for the fault tests to run in a
// process of its own that they can stop: a reader that hangs on a pipe or
// eats memory on a device must not take the test with it.
//   fault_probe get | save | main | addins | class | open PATH
#include "host/addinlist.h"
#include "wizard_files/wizard_files.h"
#include "platform/fakeservices.h"
#include "storage/paths.h"
#include "desktop/desktopservices.h"
#include "shell/addin.h"

#include <QApplication>

#include <cstdio>

using namespace pelk;

namespace {

QString run(const QStringList &args)
{
    DesktopServices platform(QCoreApplication::applicationDirPath());
    const QString app = platform.app().Title;
    const QString what = args.value(1);
    if (what == QLatin1String("get"))
        return platform.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("192"));
    if (what == QLatin1String("save")) {
        const Status saved = platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("1"));
        return saved ? QStringLiteral("saved") : QStringLiteral("error %1").arg(saved.error().number());
    }
    if (what == QLatin1String("main")) {
        (void)AddIn::Main(platform);
        return QStringLiteral("done");
    }
    if (what == QLatin1String("addins"))
        return host::addInProgIds(host::readFileBytes(paths::resolveProfileFile(QStringLiteral("vbaddin.ini"))))
            .join(QLatin1Char(','));
    if (what == QLatin1String("class")) {
        const auto record = host::findClass(host::readFileBytes(paths::classRegistryFile()),
                                            QStringLiteral("PelkTulvane.Connect"));
        return record ? record->modulePath : QStringLiteral("none");
    }
    if (what == QLatin1String("open")) {
        FakeServices fake;
        CommonDialog dialog(fake);
        QWidget parent;
        auto *title = new forms::TextBox(&parent);
        auto *message = new forms::MultiLineTextBox(&parent);
        title->setText(QStringLiteral("title"));
        message->setText(QStringLiteral("message"));
        fake.fileDialogAnswers.enqueue(args.value(2));
        wizard_files::Open(fake.services(), dialog, {title, message}, QStringLiteral("Text Files *.txt|*.txt"));
        QStringList seen{title->Text(), message->Text()};
        for (const FakeBoxes::MsgBoxCall &box : std::as_const(fake.msgBoxes))
            seen << QStringLiteral("box %1: %2").arg(box.buttons).arg(box.prompt);
        return seen.join(QLatin1Char('|'));
    }
    return QStringLiteral("usage: fault_probe get | save | main | addins | class | open PATH");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    std::fputs(qUtf8Printable(run(QCoreApplication::arguments())), stdout);
    return 0;
}
