// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <sys/resource.h>

// Ways to make file operations fail for real, undone on destruction.

// Makes a directory refuse new, renamed and removed entries: permission
// bits, and for root (whom they do not stop) the immutable flag.
class ReadOnlyDirectory {
public:
    explicit ReadOnlyDirectory(const QString& path);
    ~ReadOnlyDirectory();
    ReadOnlyDirectory(const ReadOnlyDirectory&) = delete;
    ReadOnlyDirectory& operator=(const ReadOnlyDirectory&) = delete;

    // False where neither works (e.g. no right to set the flag); tests skip then.
    bool effective() const { return m_effective; }

private:
    bool refusesNewFiles() const;
    bool setImmutable(bool on) const;

    QString m_path;
    bool m_immutable = false;
    bool m_effective = false;
};

// Caps the size of files this process writes, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};
