#include "fakeservices.h"

#include "msgboxstyle.h"

namespace pelk {

namespace {

QString settingKey(const QString &appName, const QString &section, const QString &key)
{
    return appName + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

} // namespace

QString FakeSettings::GetSetting(const QString &appName, const QString &section, const QString &key,
                                 const QString &defaultValue)
{
    return settings.value(settingKey(appName, section, key), defaultValue);
}

Status FakeSettings::SaveSetting(const QString &appName, const QString &section, const QString &key,
                                 const QString &value)
{
    if (saveSettingError)
        return *saveSettingError;
    settings.insert(settingKey(appName, section, key), value);
    settingWrites.append({appName, section, key, value});
    return {};
}

QString FakeSettings::setting(const QString &section, const QString &key) const
{
    return settings.value(settingKey(QStringLiteral("Pelk Tulvane"), section, key));
}

void FakeClipboard::ClipboardClear()
{
    clipboard.clear();
    clipboardLog.append(QStringLiteral("clear"));
}

void FakeClipboard::ClipboardSetText(const QString &text)
{
    clipboard = text;
    clipboardLog.append(QStringLiteral("set:") + text);
}

int FakeBoxes::MsgBox(const QString &prompt, int buttons, const QString &title, const QString &helpFile, int context)
{
    msgBoxes.append({prompt, buttons, title, helpFile, context});
    if (!msgBoxAnswers.isEmpty())
        return msgBoxAnswers.dequeue();
    return msgBoxStyle(buttons).buttons.front().result;
}

QString FakeBoxes::InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    inputBoxes.append({prompt, title, defaultText});
    return inputBoxAnswers.isEmpty() ? defaultText : inputBoxAnswers.dequeue();
}

Result<QString> FakeDialogs::FileDialog(FileDialogMode mode, const QString &fileName, const QString &filter, int flags,
                                        QWidget *)
{
    fileDialogs.append({mode, fileName, filter, flags});
    const std::optional<QString> answer = fileDialogAnswers.isEmpty() ? std::nullopt : fileDialogAnswers.dequeue();
    if (!answer)
        return Error(errDialogCancel);
    return *answer;
}

Result<quint32> FakeDialogs::ColorDialog(quint32 color, int flags, QWidget *)
{
    colorDialogs.append({color, flags});
    const std::optional<quint32> answer = colorDialogAnswers.isEmpty() ? std::nullopt : colorDialogAnswers.dequeue();
    if (!answer)
        return Error(errDialogCancel);
    return *answer;
}

bool FakeDialogs::IsFolderWritable(const QString &folder)
{
    writableChecks.append(folder);
    return foldersWritable;
}

int FakeHelp::show(QWidget *, const QString &helpFile, unsigned command, const QVariant &data)
{
    helpCalls.append({helpFile, command, data});
    return 1;
}

Status FakeIniWriter::writeKey(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                               const QByteArray &fileName)
{
    profileWrites.append({section, key, value, fileName});
    if (profileWriteError)
        return *profileWriteError;
    return {};
}

PictureLoading FakePictures::LoadPicture(const QString &path, const QSize &shownSize)
{
    pictureLoads.append(path);
    pictureSizes.append(shownSize);
    if (pictureLoader)
        return pictureLoader(path, shownSize);
    Picture picture;
    picture.path = path;
    if (!picture.image.load(path))
        return std::make_shared<PictureLoad>(Error(errInvalidPicture));
    picture.fullSize = picture.image.size();
    return std::make_shared<PictureLoad>(picture);
}

FakeServices::FakeServices()
{
    app.Title = QStringLiteral("Pelk Tulvane");
    app.Path = QStringLiteral("/opt/pelktulvane");
    app.HelpFile = QStringLiteral("PelkTulvane.hlp");
}

} // namespace pelk
