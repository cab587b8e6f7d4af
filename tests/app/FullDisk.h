// A full disk for the writers' tests: a file-size limit that works anywhere, and a tiny tmpfs where one may be mounted.
#pragma once

#include <QFile>

#include <csignal>

#include <sys/mount.h>
#include <sys/resource.h>

// While it lives, no file of this process grows past `bytes`: a write beyond fails with EFBIG,
// as on a full disk, instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        const rlimit limit{bytes, m_before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    void (*m_handler)(int);
    rlimit m_before{};
};

// A 64 KiB tmpfs over the empty `folder` while it lives, where this process may mount one (root).
class SmallTmpfs {
public:
    explicit SmallTmpfs(const QString& folder)
        : m_folder(QFile::encodeName(folder)), m_mounted(mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k") == 0) {}
    ~SmallTmpfs()
    {
        if (m_mounted)
            umount2(m_folder.constData(), MNT_DETACH);
    }
    bool Mounted() const { return m_mounted; }
    // Writes one more file until the disk takes not a byte more.
    void Fill() const
    {
        QFile filler(QFile::decodeName(m_folder) + QStringLiteral("/filler"));
        if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            while (filler.write(QByteArray(512, 'f')) > 0) {}
    }

private:
    QByteArray m_folder;
    bool m_mounted;
};
