#pragma once

#include "platform/registry/Registry.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace registry {

// The keys and values of one hive file. The file is text: a signature line, then one
// "[key path]" section per key with a line per value, name=REG_SZ:bytes or
// name=REG_DWORD:bytes, the bytes in hexadecimal. In key paths and value names the
// characters % = [ ] # ; and control characters are written as %XX. Key paths and
// value names compare without regard to case.
class RegistryHive {
public:
    // Reads the file; a missing file is an empty hive. ERROR_BADDB when the file is not
    // a well-formed hive, ERROR_ACCESS_DENIED when it cannot be read.
    long load(const QString &path);
    // Replaces the file as a whole through a temporary file, so a failure leaves the
    // earlier file as it was. ERROR_ACCESS_DENIED when it cannot be created,
    // ERROR_WRITE_FAULT when writing, flushing or renaming fails (a full disk).
    long save(const QString &path) const;

    static bool supportsType(std::uint32_t type);

    // Adds the key unless it exists; true when it was added.
    bool addKey(const QString &keyPath);
    // Stores the value, adding its key when needed.
    void setValue(const QString &keyPath, const QString &name, const RegistryValue &value);
    std::optional<RegistryValue> value(const QString &keyPath, const QString &name) const;

private:
    struct NamedValue {
        QString name;
        RegistryValue value;
    };
    struct Key {
        QString name; // the key's path
        QList<NamedValue> values;
    };

    bool parse(const QStringList &lines);
    bool parseValue(const QString &keyPath, const QString &line);
    QString text() const;

    QList<Key> keys_;
};

} // namespace registry
