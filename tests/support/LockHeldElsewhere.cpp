#include "support/LockHeldElsewhere.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

LockHeldElsewhere::LockHeldElsewhere(const QString &path, const QString &statements,
                                     std::chrono::milliseconds holdFor, Lock lock)
{
    const QString begin = (lock == Lock::Write ? "BEGIN EXCLUSIVE; " : "BEGIN; ") + statements;
    std::future<void> locked = locked_.get_future();
    thread_ = std::thread(&LockHeldElsewhere::hold, this, path.toUtf8(), begin.toUtf8(), holdFor);
    locked.wait();
}

LockHeldElsewhere::~LockHeldElsewhere()
{
    release();
}

void LockHeldElsewhere::release()
{
    {
        std::lock_guard<std::mutex> guard(mutex_);
        released_ = true;
    }
    releaseNow_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void LockHeldElsewhere::hold(const QByteArray &path, const QByteArray &begin,
                             std::chrono::milliseconds holdFor)
{
    sqlite3 *database = nullptr;
    sqlite3_open_v2(path.constData(), &database, SQLITE_OPEN_READWRITE, nullptr);
    EXPECT_EQ(sqlite3_exec(database, begin.constData(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(database);
    locked_.set_value();
    {
        std::unique_lock<std::mutex> guard(mutex_);
        releaseNow_.wait_for(guard, holdFor, [this] { return released_; });
    }
    EXPECT_EQ(sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(database);
}
