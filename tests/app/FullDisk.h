// A full disk for the writers' tests: a file-size limit that works anywhere, and a tiny tmpfs where one may be mounted.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>

#include <sys/mount.h>
#include <sys/resource.h>

// While it lives, no file of this process grows past `bytes`: a write beyond fails with EFBIG,
// as on a full disk, instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
    void (*m_handler)(int) = SIG_DFL;
};

// A 64 KiB tmpfs over the existing, empty `folder` while it lives, filled up by Fill(); Mounted()
// is false where this process may not mount one (only root may).
class SmallTmpfs {
public:
    explicit SmallTmpfs(const QString& folder)
        : m_folder(QFile::encodeName(folder)),
          m_mounted(mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k") == 0)
    {
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool Mounted() const { return m_mounted; }
    // Writes the file `name` until the disk refuses another byte.
    void Fill(const QString& name) const
    {
        QFile filler(QString::fromLocal8Bit(m_folder) + '/' + name);
        if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            while (filler.write(QByteArray(512, 'f')) > 0) {
            }
        }
    }

private:
    QByteArray m_folder;
    bool m_mounted;
};
