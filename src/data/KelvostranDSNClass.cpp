#include "data/KelvostranDSNClass.h"

#include "data/DataSource.h"
#include "platform/forms/MessageBox.h"
#include "platform/registry/Registry.h"
#include "platform/runtime/App.h"

#include <QtEndian>
#include <vector>

namespace {

const QString EnginesKey = DataSource::Key + QStringLiteral("\\Engines\\Jet\\");

struct RegistryValueToWrite {
    QString name;
    std::uint32_t type;
    QByteArray data;
};

// A text value as the registry keeps it: its bytes and the terminating zero.
RegistryValueToWrite text(const QString &name, const QString &value)
{
    QByteArray bytes = value.toUtf8();
    bytes.append('\0');
    return {name, registry::REG_SZ, bytes};
}

RegistryValueToWrite dword(const QString &name, std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return {name, registry::REG_DWORD, bytes};
}

std::vector<RegistryValueToWrite> dataSourceValues()
{
    std::vector<RegistryValueToWrite> values = {
        text(QStringLiteral("Description"), DataSource::Name),
        text(QStringLiteral("FIL"), QStringLiteral("MS Access;")),
        text(QStringLiteral("Driver"), QStringLiteral("C:\\Winnt\\System32\\ODBCjt32.dll")),
        text(QStringLiteral("UID"), DataSource::User),
    };
    if (!DataSource::Password.isEmpty())
        values.push_back(text(QStringLiteral("PWD"), DataSource::Password));
    const QString database = rt::App::Path() + QStringLiteral("\\Cheque.mdb");
    if (!database.isEmpty())
        values.push_back(text(QStringLiteral("DBQ"), database));
    values.push_back(dword(QStringLiteral("SafeTransactions"), 0));
    values.push_back(dword(QStringLiteral("DriverId"), QStringLiteral("25").toUInt()));
    return values;
}

std::vector<RegistryValueToWrite> engineValues()
{
    return {
        text(QStringLiteral("ImplicitCommitSync"), QString()),
        text(QStringLiteral("UserCommitSync"), QStringLiteral("Yes")),
        dword(QStringLiteral("MaxBufferSize"), 2048),
        dword(QStringLiteral("PageTimeout"), 5),
        dword(QStringLiteral("Threads"), 3),
    };
}

std::vector<RegistryValueToWrite> dataSourceListValues()
{
    return {text(DataSource::Name, QStringLiteral("Microsoft Access Driver (*.mdb)"))};
}

// Creates the key and writes its values in order; false at the first failure, with
// nothing after it written.
bool writeKey(const QString &subKey, const std::vector<RegistryValueToWrite> &values)
{
    constexpr std::uint32_t setValueAndCreateSubKey = 6;
    registry::HKEY key = 0;
    std::uint32_t disposition = 0;
    if (registry::RegCreateKeyExA(registry::HKEY_LOCAL_MACHINE, subKey, 0, 0,
                                  setValueAndCreateSubKey, &key, &disposition) != 0)
        return false;
    for (const RegistryValueToWrite &value : values) {
        if (registry::RegSetValueExA(key, value.name, 0, value.type, value.data) != 0) {
            registry::RegCloseKey(key);
            return false;
        }
    }
    registry::RegCloseKey(key);
    return true;
}

} // namespace

// A hive write killed part-way leaves a temporary copy of the hive, the password with it.
rt::Variant KelvostranDSNClass::KelvostranDSN(QString &, QString &, QString &, QString &,
                                              QString &)
{
    registry::removeInterruptedHiveWrites();
    const bool written = writeKey(DataSource::Key, dataSourceValues())
                         && writeKey(EnginesKey, engineValues())
                         && writeKey(DataSource::ListKey, dataSourceListValues());
    if (!written)
        forms::MsgBox(QStringLiteral("Unable to create DSN"), forms::vbCritical,
                      QStringLiteral("Error"));
    return rt::Variant();
}
