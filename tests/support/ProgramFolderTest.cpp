#include "support/ProgramFolderTest.h"

#include "cheque/ModuleData.h"
#include "data/DatabaseFile.h"
#include "data/Module1.h"
#include "platform/forms/GuardedApplication.h"
#include "platform/registry/Registry.h"
#include "platform/runtime/App.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <sqlite3.h>

void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tests";
    static char *argv[] = {name, nullptr};
    // The program's own application object, so that tests meet its event guard too.
    new forms::GuardedApplication(argc, argv);
}

void ProgramFolderTest::SetUp()
{
    ensureApplication();
    folder_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(folder_->isValid());
    rt::App::setPathForTesting(folder_->path());
    QString error;
    ASSERT_TRUE(DatabaseFile::createIfAbsent(databasePath(), &error)) << error.toStdString();
    boxes_ = std::make_unique<forms::ScriptedMessageBoxes>();
    rt::setEndHandler([] { throw rt::ProcessEnded{}; });
    Module1::resetForTesting();
    ModuleData::resetForTesting();
}

void ProgramFolderTest::TearDown()
{
    // Every window a test left open goes with its program folder. Deleting one window
    // can delete others (a main window takes its menus), hence the guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    Module1::resetForTesting();
    ModuleData::resetForTesting();
    registry::setWriteObserver(nullptr);
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
