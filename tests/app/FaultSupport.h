#pragma once

// Faults the tests inject into the program's surroundings, and what they
// check afterwards.

#include <QString>

#include <sys/resource.h>

namespace ortix::test {

// Everything under a folder but what lies in `leaveOut` (a relative path),
// one line an entry: each file's path and a digest of its bytes, each
// folder's path and "<folder>". Two equal snapshots mean nothing was lost,
// changed or left behind (not even a temporary file).
QString folderSnapshot(const QString &folder, const QString &leaveOut = QString());

// While it lives, the disk is full for this process: no file may grow
// beyond `bytes`. The kernel writes what still fits and refuses the rest
// (EFBIG), as a file system that runs out of room refuses it (ENOSPC); the
// program sees a write that fails half-way, or at once for 0 bytes. It is
// a resource limit of the process (RLIMIT_FSIZE), so it needs no rights
// and binds the administrator too: it works alike on a desktop and in CI
// run as root. (/dev/full cannot serve: the program writes a temporary
// file beside the target and renames it over the target, so a link to
// /dev/full would only send the temporary file into /dev.) The signal the
// kernel sends with the refusal (SIGXFSZ) is ignored meanwhile, so the
// write just fails.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool active() const { return m_active; }
    // Writing `size` bytes to a new file of `folder` falls short now (the
    // file is removed again): the fault is really there.
    static bool refusesWriting(const QString &folder, int size);

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
    bool m_active = false;
};

} // namespace ortix::test
