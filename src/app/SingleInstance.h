#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace ortix {

// Holds the lock that tells a second start of the program that one is
// already running. A lock left by a crashed instance is taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());
    ~SingleInstance();

    // True when this is the only running instance.
    bool acquire();

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace ortix
