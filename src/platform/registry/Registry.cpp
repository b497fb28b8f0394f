#include "platform/registry/Registry.h"

#include "platform/registry/AtomicFileWriter.h"
#include "platform/registry/RegistryHive.h"
#include "platform/runtime/App.h"
#include "platform/runtime/OnFirstUse.h"

#include <QDateTime>
#include <QFile>
#include <map>

namespace registry {

namespace {

struct OpenKeys {
    HKEY nextHandle = 1;
    std::map<HKEY, QString> paths;
};

OpenKeys &openKeys()
{
    static OpenKeys keys;
    return keys;
}

WriteObserver &writeObserver()
{
    static rt::OnFirstUse<WriteObserver> observer;
    return observer.get();
}

// Key paths use the backslash; a trailing one is ignored, an empty part is refused.
std::optional<QString> keyPath(const QString &subKey)
{
    QString path = subKey;
    while (path.endsWith(u'\\'))
        path.chop(1);
    if (path.split(u'\\').contains(QString()))
        return std::nullopt;
    return path;
}

// A name beside the hive that says what the file is and when it was put aside; never
// one that is taken.
QString damagedHiveName()
{
    const QString stem = hivePath() + QStringLiteral(".damaged-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem;
    for (int copy = 2; QFile::exists(name); ++copy)
        name = stem + u'-' + QString::number(copy);
    return name;
}

// The hive holds only what the program writes again before every connection, so a
// damaged one need not lock the user out: it is kept beside under a name that says so
// and the writes start from an empty hive. ERROR_BADDB only when it cannot be moved.
long loadForWriting(RegistryHive &hive)
{
    const long error = hive.load(hivePath());
    if (error != ERROR_BADDB)
        return error;
    return QFile::rename(hivePath(), damagedHiveName()) ? ERROR_SUCCESS : ERROR_BADDB;
}

} // namespace

// The stand-in grants every access, so the options and the access mask are not read;
// the reserved arguments are unused as on the platform.
long RegCreateKeyExA(HKEY root, const QString &subKey, std::uint32_t, std::uint32_t,
                     std::uint32_t, HKEY *result, std::uint32_t *disposition)
{
    if (root != HKEY_LOCAL_MACHINE)
        return ERROR_INVALID_HANDLE;
    const std::optional<QString> path = keyPath(subKey);
    if (!path || !result)
        return ERROR_INVALID_PARAMETER;
    RegistryHive hive;
    if (const long error = loadForWriting(hive))
        return error;
    const bool created = hive.addKey(*path);
    if (created) {
        if (const long error = hive.save(hivePath()))
            return error;
    }
    *result = openKeys().nextHandle++;
    openKeys().paths[*result] = *path;
    if (disposition)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

long RegSetValueExA(HKEY key, const QString &valueName, std::uint32_t, std::uint32_t type,
                    const QByteArray &data)
{
    const auto open = openKeys().paths.find(key);
    if (open == openKeys().paths.end())
        return ERROR_INVALID_HANDLE;
    if (!RegistryHive::supportsType(type))
        return ERROR_INVALID_PARAMETER;
    RegistryHive hive;
    if (const long error = loadForWriting(hive))
        return error;
    const RegistryValue value{type, data};
    if (hive.value(open->second, valueName) != value) {
        hive.setValue(open->second, valueName, value);
        if (const long error = hive.save(hivePath()))
            return error;
    }
    if (writeObserver())
        writeObserver()(open->second, valueName, value);
    return ERROR_SUCCESS;
}

long RegCloseKey(HKEY key)
{
    return openKeys().paths.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

std::optional<RegistryValue> queryLocalMachineValue(const QString &subKey,
                                                    const QString &valueName)
{
    const std::optional<QString> path = keyPath(subKey);
    RegistryHive hive;
    if (!path || hive.load(hivePath()) != ERROR_SUCCESS)
        return std::nullopt;
    return hive.value(*path, valueName);
}

QString hivePath()
{
    return rt::App::Path() + QStringLiteral("/Registry.hive");
}

void removeInterruptedHiveWrites()
{
    AtomicFileWriter::removeLeftovers(hivePath());
}

void setWriteObserver(WriteObserver observer)
{
    writeObserver() = std::move(observer);
}

} // namespace registry
