#include "platform/registry/AtomicFileWriter.h"
#include "platform/registry/Registry.h"
#include "platform/runtime/App.h"
#include "support/IsolatedTest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>

using namespace registry;

namespace {

const QString dataSourceKey = QStringLiteral("SOFTWARE\\ODBC\\ODBC.INI\\Cheque");

QByteArray text(const char *value)
{
    return QByteArray(value, qstrlen(value) + 1);
}

QByteArray dword(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class RegistryTest : public IsolatedTest {
protected:
    void SetUp() override
    {
        IsolatedTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        rt::App::setPathForTesting(folder_.path());
    }

    HKEY createKey(const QString &subKey, std::uint32_t *disposition = nullptr)
    {
        HKEY key = 0;
        EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, 0, 6, &key, disposition),
                  ERROR_SUCCESS);
        return key;
    }

    QTemporaryDir folder_;
};

} // namespace

TEST_F(RegistryTest, storesTheTypeAndExactBytesOfEachValue)
{
    const HKEY key = createKey(dataSourceKey);
    EXPECT_EQ(RegSetValueExA(key, "Description", 0, REG_SZ, text("Cheque")), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "ImplicitCommitSync", 0, REG_SZ, text("")), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "DriverId", 0, REG_DWORD, dword(25)), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "MaxBufferSize", 0, REG_DWORD, dword(2048)), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    const auto description = queryLocalMachineValue(dataSourceKey, "Description");
    ASSERT_TRUE(description);
    EXPECT_EQ(description->type, REG_SZ);
    EXPECT_EQ(description->data, QByteArray("Cheque\0", 7));
    EXPECT_EQ(queryLocalMachineValue(dataSourceKey, "ImplicitCommitSync")->data,
              QByteArray(1, '\0'));
    const auto driverId = queryLocalMachineValue(dataSourceKey, "DriverId");
    ASSERT_TRUE(driverId);
    EXPECT_EQ(driverId->type, REG_DWORD);
    EXPECT_EQ(driverId->data, QByteArray("\x19\0\0\0", 4));
    EXPECT_EQ(queryLocalMachineValue(dataSourceKey, "MaxBufferSize")->data,
              QByteArray("\0\x08\0\0", 4));
    EXPECT_FALSE(queryLocalMachineValue(dataSourceKey, "PWD"));
    EXPECT_FALSE(queryLocalMachineValue("SOFTWARE\\ODBC", "Description"));

    // The hive stays readable as text.
    EXPECT_TRUE(fileBytes(hivePath()).contains(
        "[SOFTWARE\\ODBC\\ODBC.INI\\Cheque]\nDescription=REG_SZ:43 68 65 71 75 65 00\n"));
}

TEST_F(RegistryTest, keyPathsAndValueNamesIgnoreCase)
{
    const HKEY key = createKey("SOFTWARE\\ODBC\\ODBC.INI\\Cheque\\Engines\\Jet\\");
    EXPECT_EQ(RegSetValueExA(key, "UserCommitSync", 0, REG_SZ, text("Yes")), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "usercommitsync", 0, REG_SZ, text("No")), ERROR_SUCCESS);
    RegCloseKey(key);

    const auto value =
        queryLocalMachineValue("software\\odbc\\odbc.ini\\CHEQUE\\engines\\jet", "USERCOMMITSYNC");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->data, text("No"));

    std::uint32_t disposition = 0;
    RegCloseKey(createKey("Software\\Odbc\\Odbc.ini\\Cheque\\Engines\\Jet", &disposition));
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
}

TEST_F(RegistryTest, reopeningKeepsEarlierValuesAndReportsEachWriteInOrder)
{
    QStringList writes;
    setWriteObserver([&writes](const QString &subKey, const QString &name, const RegistryValue &value) {
        writes << subKey + u'|' + name + u'|' + QString::fromLatin1(value.data.toHex());
    });

    std::uint32_t disposition = 0;
    HKEY key = createKey(dataSourceKey, &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    RegSetValueExA(key, "Description", 0, REG_SZ, text("Cheque"));
    RegSetValueExA(key, "SafeTransactions", 0, REG_DWORD, dword(0));
    RegCloseKey(key);

    key = createKey(dataSourceKey, &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    RegSetValueExA(key, "Description", 0, REG_SZ, text("Cheque"));
    RegSetValueExA(key, "UID", 0, REG_SZ, text("Admin"));
    RegCloseKey(key);

    EXPECT_EQ(writes, QStringList({dataSourceKey + "|Description|43686571756500",
                                   dataSourceKey + "|SafeTransactions|00000000",
                                   dataSourceKey + "|Description|43686571756500",
                                   dataSourceKey + "|UID|41646d696e00"}));
    EXPECT_EQ(queryLocalMachineValue(dataSourceKey, "SafeTransactions")->data, dword(0));
    EXPECT_EQ(queryLocalMachineValue(dataSourceKey, "UID")->data, text("Admin"));
    EXPECT_EQ(fileBytes(hivePath()).count("Description="), 1);
}

TEST_F(RegistryTest, namesWithSpecialCharactersSurviveTheFile)
{
    const QString odd = QStringLiteral("[a=b] #c; 50%\ne");
    const HKEY key = createKey(odd);
    EXPECT_EQ(RegSetValueExA(key, odd, 0, REG_SZ, text("x")), ERROR_SUCCESS);
    RegCloseKey(key);

    const auto value = queryLocalMachineValue(odd, odd);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->data, text("x"));
}

TEST_F(RegistryTest, damagedHiveIsKeptAsideAndTheWritesStartAfresh)
{
    const HKEY key = createKey(dataSourceKey);
    const QList<QByteArray> damagedHives = {
        QByteArray(), QByteArray("not a hive\n"),
        QByteArray("QUILVANE REGISTRY HIVE 1\nDescription=REG_SZ:00\n"),
        QByteArray("QUILVANE REGISTRY HIVE 1\n[Key]\nDescription=REG_SZ:4x 00\n"),
        QByteArray("QUILVANE REGISTRY HIVE 1\n[Key]\nDescription=REG_BINARY:00\n"),
        QByteArray("QUILVANE REGISTRY HIVE 1\n[Key]\nDescription\n")};
    QList<QByteArray> keptAside;
    for (const QByteArray &damaged : damagedHives) {
        SCOPED_TRACE(damaged.toStdString());
        // Reading alone changes nothing.
        writeFile(hivePath(), damaged);
        EXPECT_FALSE(queryLocalMachineValue("Key", "Description"));
        EXPECT_EQ(fileBytes(hivePath()), damaged);

        std::uint32_t disposition = 0;
        RegCloseKey(createKey("Other", &disposition));
        EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
        keptAside << damaged;

        writeFile(hivePath(), damaged);
        EXPECT_EQ(RegSetValueExA(key, "Description", 0, REG_SZ, text("Cheque")), ERROR_SUCCESS);
        EXPECT_EQ(queryLocalMachineValue(dataSourceKey, "Description")->data, text("Cheque"));
        EXPECT_FALSE(queryLocalMachineValue("Other", "Description"));
        keptAside << damaged;
    }
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    const QStringList aside =
        QDir(folder_.path()).entryList({"Registry.hive.damaged-*"}, QDir::Files);
    QList<QByteArray> asideBytes;
    for (const QString &name : aside)
        asideBytes << fileBytes(folder_.filePath(name));
    std::sort(asideBytes.begin(), asideBytes.end());
    std::sort(keptAside.begin(), keptAside.end());
    EXPECT_EQ(asideBytes, keptAside);
}

TEST_F(RegistryTest, unwritableFolderFailsWithoutWriting)
{
    // A folder below a plain file cannot be written, whoever runs the test.
    const QString plainFile = folder_.filePath("plain file");
    writeFile(plainFile, "x");
    rt::App::setPathForTesting(plainFile + "/program");

    HKEY key = 0;
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, dataSourceKey, 0, 0, 6, &key, nullptr),
              ERROR_ACCESS_DENIED);

    // A key opened while the folder could still be written.
    rt::App::setPathForTesting(folder_.path());
    key = createKey(dataSourceKey);
    rt::App::setPathForTesting(plainFile + "/program");
    EXPECT_EQ(RegSetValueExA(key, "Description", 0, REG_SZ, text("Cheque")),
              ERROR_ACCESS_DENIED);
    RegCloseKey(key);
    EXPECT_EQ(fileBytes(plainFile), "x");
}

TEST_F(RegistryTest, aWriteFailingPartWayLeavesTheEarlierHiveWhole)
{
    HKEY key = createKey(dataSourceKey);
    ASSERT_EQ(RegSetValueExA(key, "DBQ", 0, REG_SZ, text("C:\\Cheque.mdb")), ERROR_SUCCESS);
    const QByteArray before = fileBytes(hivePath());

    for (const AtomicFileWriter::Step step :
         {AtomicFileWriter::Step::Write, AtomicFileWriter::Step::Flush,
          AtomicFileWriter::Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        AtomicFileWriter::failStepForTesting(step);

        EXPECT_EQ(RegSetValueExA(key, "DBQ", 0, REG_SZ, text("D:\\Other.mdb")),
                  ERROR_WRITE_FAULT);
        HKEY other = 0;
        EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Other", 0, 0, 6, &other, nullptr),
                  ERROR_WRITE_FAULT);

        EXPECT_EQ(fileBytes(hivePath()), before);
        EXPECT_EQ(queryLocalMachineValue(dataSourceKey, "DBQ")->data, text("C:\\Cheque.mdb"));
        EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"Registry.hive"});
    }

    AtomicFileWriter::failStepForTesting(std::nullopt);
    EXPECT_EQ(RegSetValueExA(key, "DBQ", 0, REG_SZ, text("D:\\Other.mdb")), ERROR_SUCCESS);
    EXPECT_EQ(queryLocalMachineValue(dataSourceKey, "DBQ")->data, text("D:\\Other.mdb"));
    RegCloseKey(key);
}

TEST_F(RegistryTest, badHandlesAndArgumentsGiveErrors)
{
    const HKEY key = createKey(dataSourceKey);
    EXPECT_EQ(RegSetValueExA(key, "Data", 0, 3, QByteArray("\x01", 1)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegSetValueExA(key, "Description", 0, REG_SZ, text("Cheque")),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegSetValueExA(12345, "Description", 0, REG_SZ, text("Cheque")),
              ERROR_INVALID_HANDLE);

    HKEY other = 0;
    EXPECT_EQ(RegCreateKeyExA(12345, "Key", 0, 0, 6, &other, nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "", 0, 0, 6, &other, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "A\\\\B", 0, 0, 6, &other, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "A", 0, 0, 6, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(queryLocalMachineValue(dataSourceKey, "Data"));
}
