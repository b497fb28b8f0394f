#include "support/ProgramFolderTest.h"

#include "platform/runtime/App.h"
#include "support/ChequeDatabaseFile.h"
#include "support/RawDatabase.h"

void ProgramFolderTest::SetUp()
{
    IsolatedTest::SetUp();
    ensureApplication();
    folder_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(folder_->isValid());
    rt::App::setPathForTesting(folder_->path());
    QString error;
    ASSERT_TRUE(chequeDatabaseFile().createIfAbsent(databasePath(), &error)) << error.toStdString();
    boxes_ = std::make_unique<forms::ScriptedMessageBoxes>();
    rt::setEndHandler([] { throw rt::ProcessEnded{}; });
}

void ProgramFolderTest::TearDown()
{
    IsolatedTest::TearDown();
    boxes_.reset();
    folder_.reset();
}

QString ProgramFolderTest::databasePath() const
{
    return folder_->path() + QStringLiteral("/Cheque.mdb");
}

namespace {

struct RawDatabase {
    explicit RawDatabase(const QString &path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~RawDatabase() { sqlite3_close(handle); }
    sqlite3 *handle = nullptr;
};

QString columnText(sqlite3_stmt *statement, int column)
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return QStringLiteral("NULL");
    return QString::fromUtf8(
        reinterpret_cast<const char *>(sqlite3_column_text(statement, column)));
}

} // namespace

void ProgramFolderTest::execRaw(const QString &sql)
{
    RawDatabase database(databasePath());
    char *message = nullptr;
    const int result =
        sqlite3_exec(database.handle, sql.toUtf8().constData(), nullptr, nullptr, &message);
    ASSERT_EQ(result, SQLITE_OK) << (message ? message : "") << " in " << sql.toStdString();
}

QStringList ProgramFolderTest::rowsRaw(const QString &sql)
{
    RawDatabase database(databasePath());
    sqlite3_stmt *statement = nullptr;
    QStringList rows;
    if (sqlite3_prepare_v2(database.handle, sql.toUtf8().constData(), -1, &statement, nullptr)
        != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(database.handle) << " in " << sql.toStdString();
        return rows;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList columns;
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            columns << columnText(statement, column);
        rows << columns.join(QLatin1Char('|'));
    }
    sqlite3_finalize(statement);
    return rows;
}

QString ProgramFolderTest::scalarRaw(const QString &sql)
{
    const QStringList rows = rowsRaw(sql);
    return rows.isEmpty() ? QString() : rows.first().section(QLatin1Char('|'), 0, 0);
}
