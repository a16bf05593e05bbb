#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One running copy per user: a lock file in the user's runtime directory.
// A lock left by a copy that crashed is taken over.
class SingleInstance {
public:
    // `directory` empty: the user's runtime directory.
    explicit SingleInstance(const QString& directory = {});

    // Whether this is the only copy; holds the lock while this object lives.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
