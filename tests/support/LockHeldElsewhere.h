#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

// Another program holding a database file's write lock: a connection of its own, on a
// thread of its own, that runs `insert` inside BEGIN EXCLUSIVE and commits once
// `holdFor` has passed, or sooner when released or destroyed.
class LockHeldElsewhere {
public:
    LockHeldElsewhere(const QString &path, const QString &insert,
                      std::chrono::milliseconds holdFor);
    ~LockHeldElsewhere();
    LockHeldElsewhere(const LockHeldElsewhere &) = delete;
    LockHeldElsewhere &operator=(const LockHeldElsewhere &) = delete;

    // Commits now and waits for the other connection to close.
    void release();

private:
    void hold(const QByteArray &path, const QByteArray &insert, std::chrono::milliseconds holdFor);

    std::promise<void> locked_;
    std::mutex mutex_;
    std::condition_variable releaseNow_;
    bool released_ = false;
    std::thread thread_;
};
