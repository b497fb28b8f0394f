#pragma once

#include "platform/ado/Connection.h"
#include "platform/registry/Registry.h"
#include "platform/runtime/App.h"
#include "support/IsolatedTest.h"
#include "support/RaisedError.h"
#include "support/RawDatabase.h"

#include <QTemporaryDir>

// A program folder of its own for each test: a small register database made with the
// engine directly and the data source "Cheque" pointing at it in the folder's hive.
class AdoTestFolder : public IsolatedTest {
protected:
    static inline const QString ConnectionString =
        QStringLiteral("DSN=Cheque;userID=Admin;Password=41maypol");

    void SetUp() override
    {
        IsolatedTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        rt::App::setPathForTesting(folder_.path());
        execRaw("CREATE TABLE CHEQUETABLE (SN SMALLINT, BANKNAME TEXT COLLATE NOCASE,"
                " DATEOFENTRY DATE, AMOUNT DOUBLE, CHEQUENUMBER DOUBLE,"
                " REMARK TEXT COLLATE NOCASE, INTREM1 INTEGER);"
                "CREATE UNIQUE INDEX CHEQUETABLE_CHEQUENUMBER ON CHEQUETABLE (CHEQUENUMBER);"
                "CREATE TABLE Memberx (SN SMALLINT, NAMEX TEXT COLLATE NOCASE,"
                " WING TEXT COLLATE NOCASE, ACCO TEXT COLLATE NOCASE, DOFJOINING DATE);"
                "CREATE UNIQUE INDEX Memberx_Flat ON Memberx (WING, ACCO, DOFJOINING);");
        registerDatabase(folder_.path() + QStringLiteral("\\Cheque.mdb"));
    }

    QString folder() const { return folder_.path(); }
    QString databasePath() const { return folder_.path() + QStringLiteral("/Cheque.mdb"); }

    // Writes the data source's DBQ value as the registration does: the text and its
    // terminating zero.
    static void registerDatabase(const QString &dbq)
    {
        registry::HKEY key = 0;
        std::uint32_t disposition = 0;
        ASSERT_EQ(registry::RegCreateKeyExA(registry::HKEY_LOCAL_MACHINE,
                                            QStringLiteral("SOFTWARE\\ODBC\\ODBC.INI\\Cheque"),
                                            0, 0, 6, &key, &disposition),
                  0);
        ASSERT_EQ(registry::RegSetValueExA(key, QStringLiteral("DBQ"), 0, registry::REG_SZ,
                                           dbq.toUtf8() + QByteArray(1, '\0')),
                  0);
        registry::RegCloseKey(key);
    }

    ado::Connection openConnection()
    {
        ado::Connection connection;
        connection.ConnectionString = ConnectionString;
        connection.Open(QString(), QString(), ado::adCmdUnspecified);
        return connection;
    }

    // Runs statements straight on the file, creating it when absent.
    void execRaw(const char *sql)
    {
        QString message;
        ASSERT_EQ(RawDatabase(databasePath()).exec(QString::fromUtf8(sql), &message), 0)
            << message.toStdString();
    }

    // The first column of the first row, as the engine holds it.
    QString scalarRaw(const char *sql)
    {
        return RawDatabase(databasePath()).scalar(QString::fromUtf8(sql));
    }

private:
    QTemporaryDir folder_;
};
