#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

// Another program holding a database file: a connection of its own, on a thread of its
// own, that runs `statements` inside a transaction and commits once `holdFor` has
// passed, or sooner when released or destroyed. Writing, it holds the write lock
// (BEGIN EXCLUSIVE); reading, the read lock, under which others may write but no
// commit of theirs goes through.
class LockHeldElsewhere {
public:
    enum class Lock { Write, Read };
    LockHeldElsewhere(const QString &path, const QString &statements,
                      std::chrono::milliseconds holdFor, Lock lock = Lock::Write);
    ~LockHeldElsewhere();
    LockHeldElsewhere(const LockHeldElsewhere &) = delete;
    LockHeldElsewhere &operator=(const LockHeldElsewhere &) = delete;

    // Commits now and waits for the other connection to close.
    void release();

private:
    void hold(const QByteArray &path, const QByteArray &begin, std::chrono::milliseconds holdFor);

    std::promise<void> locked_;
    std::mutex mutex_;
    std::condition_variable releaseNow_;
    bool released_ = false;
    std::thread thread_;
};
