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

void ProgramFolderTest::execRaw(const QString &sql)
{
    QString message;
    ASSERT_EQ(RawDatabase(databasePath()).exec(sql, &message), 0)
        << message.toStdString() << " in " << sql.toStdString();
}

QStringList ProgramFolderTest::rowsRaw(const QString &sql)
{
    return RawDatabase(databasePath()).rows(sql);
}

QString ProgramFolderTest::scalarRaw(const QString &sql)
{
    return RawDatabase(databasePath()).scalar(sql);
}

void ProgramFolderTest::failInsertsWhen(const QString &table, const QString &condition,
                                        InsertFailure failure)
{
    execRaw(QStringLiteral("CREATE TRIGGER failing BEFORE INSERT ON %1 WHEN %2 "
                           "BEGIN SELECT RAISE(%3, 'disk I/O error'); END")
                .arg(table, condition,
                     failure == InsertFailure::Refused ? QStringLiteral("ABORT")
                                                       : QStringLiteral("ROLLBACK")));
}
