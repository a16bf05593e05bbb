// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/file_faults.h"

#include <QFile>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyDirectory::ReadOnlyDirectory(const QString& path) : m_path(path)
{
    ::chmod(QFile::encodeName(m_path).constData(), 0555);
    m_effective = refusesNewFiles();
    if (!m_effective) {
        m_immutable = setImmutable(true);
        m_effective = m_immutable && refusesNewFiles();
    }
}

ReadOnlyDirectory::~ReadOnlyDirectory()
{
    if (m_immutable)
        setImmutable(false);
    ::chmod(QFile::encodeName(m_path).constData(), 0700);
}

bool ReadOnlyDirectory::refusesNewFiles() const
{
    const QByteArray probe = QFile::encodeName(m_path + QStringLiteral("/.probe"));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return true;
    ::close(fd);
    ::unlink(probe.constData());
    return false;
}

bool ReadOnlyDirectory::setImmutable(bool on) const
{
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    // Writing past the limit would otherwise kill the process.
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limited = m_saved;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}
