#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// The registry functions the program calls, over a file-backed hive of the local
// machine kept in the program folder. Every function returns 0 on success and a
// non-zero code on any failure (an unwritable folder, a full disk, a closed handle);
// none throws. Creating a key or setting a value on a damaged hive file first moves the
// file aside as "Registry.hive.damaged-<date>-<time>" and starts from an empty hive. A key
// or value the hive already holds as it is asked for leaves the file untouched.
namespace registry {

using HKEY = std::intptr_t;
constexpr HKEY HKEY_LOCAL_MACHINE = static_cast<HKEY>(0x80000002);

constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_DWORD = 4;

// The dispositions RegCreateKeyExA reports.
constexpr std::uint32_t REG_CREATED_NEW_KEY = 1;
constexpr std::uint32_t REG_OPENED_EXISTING_KEY = 2;

constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_WRITE_FAULT = 29;
constexpr long ERROR_INVALID_PARAMETER = 87;
constexpr long ERROR_BADDB = 1009;

long RegCreateKeyExA(HKEY root, const QString &subKey, std::uint32_t reserved,
                     std::uint32_t options, std::uint32_t samDesired, HKEY *result,
                     std::uint32_t *disposition);
long RegSetValueExA(HKEY key, const QString &valueName, std::uint32_t reserved,
                    std::uint32_t type, const QByteArray &data);
long RegCloseKey(HKEY key);

// A stored value: its type and its exact bytes.
struct RegistryValue {
    std::uint32_t type = 0;
    QByteArray data;

    bool operator==(const RegistryValue &) const = default;
};

// Reads a value of the local machine; key paths use the backslash and ignore case.
// Empty when the hive, the key or the value is missing or the hive is damaged.
std::optional<RegistryValue> queryLocalMachineValue(const QString &subKey,
                                                    const QString &valueName);

// The path of the hive file: the program folder followed by "/Registry.hive".
QString hivePath();

// Removes what hive writes killed part-way left beside the hive: temporary copies of the
// whole hive, passwords included.
void removeInterruptedHiveWrites();

// Called after each value is stored, with the key path, the value's name and what was
// written; tests use it to see the order of the writes.
using WriteObserver = std::function<void(const QString &subKey, const QString &valueName,
                                         const RegistryValue &value)>;
void setWriteObserver(WriteObserver observer);

} // namespace registry
