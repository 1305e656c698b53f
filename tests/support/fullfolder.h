// A folder on a file system of its own, 64 KiB small and then filled to the
// last byte, as a full disk is. Needs the right to mount (root); unmounted,
// and the per-user folder put back, when it goes, also when a test fails
// half way.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

#include <sys/mount.h>

class FullFolder {
public:
    FullFolder()
    {
        if (!m_dir.isValid())
            return;
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            "size=64k,mode=0755") == 0;
    }
    ~FullFolder()
    {
        if (m_userFolder)
            qputenv("PELKTULVANE_HOME", *m_userFolder);
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    FullFolder(const FullFolder &) = delete;
    FullFolder &operator=(const FullFolder &) = delete;

    bool isValid() const { return m_mounted; }
    QString path() const { return m_dir.path(); }

    // While it lives, the per-user folder is this one.
    void becomeUserFolder()
    {
        m_userFolder = qgetenv("PELKTULVANE_HOME");
        qputenv("PELKTULVANE_HOME", path().toUtf8());
    }

    // Takes up all space that is left; what is there stays as it is.
    bool fill()
    {
        QFile filler(m_dir.filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
        // The last bytes, one at a time, down to the last one that fits.
        while (filler.write("f", 1) == 1) {
        }
        return true;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    std::optional<QByteArray> m_userFolder;
};
