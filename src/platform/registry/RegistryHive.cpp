#include "platform/registry/RegistryHive.h"

#include "platform/registry/AtomicFileWriter.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

namespace registry {

namespace {

const QString signature = QStringLiteral("QUILVANE REGISTRY HIVE 1");
const QString formatNote = QStringLiteral(
    "; [key path], then name=REG_SZ:bytes or name=REG_DWORD:bytes, bytes in hexadecimal");

struct TypeName {
    std::uint32_t type;
    QLatin1StringView name;
};
constexpr TypeName typeNames[] = {{REG_SZ, QLatin1StringView("REG_SZ")},
                                  {REG_DWORD, QLatin1StringView("REG_DWORD")}};

template <class Predicate>
const TypeName *findTypeName(Predicate matches)
{
    const auto found = std::find_if(std::begin(typeNames), std::end(typeNames), matches);
    return found == std::end(typeNames) ? nullptr : found;
}

const TypeName *typeNameOf(std::uint32_t type)
{
    return findTypeName([type](const TypeName &entry) { return entry.type == type; });
}

// Keys and values alike are found by a name that ignores case.
template <class Items>
auto findByName(Items &items, const QString &name)
{
    return std::find_if(items.begin(), items.end(), [&name](const auto &item) {
        return item.name.compare(name, Qt::CaseInsensitive) == 0;
    });
}

// Escapes what would end a name early or be read as a section or a comment.
QString escapeName(const QString &name)
{
    static const QByteArray special("%=[]#;");
    QByteArray escaped;
    for (const char byte : name.toUtf8()) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x20 || code == 0x7f || special.contains(byte))
            escaped += '%' + QByteArray(1, byte).toHex().toUpper();
        else
            escaped += byte;
    }
    return QString::fromUtf8(escaped);
}

QString unescapeName(const QString &text)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toUtf8()));
}

// Strict, unlike QByteArray::fromHex, which skips what it cannot read.
std::optional<QByteArray> bytesFromText(const QString &text)
{
    static const QRegularExpression pairs(QStringLiteral("^([0-9a-f]{2}( [0-9a-f]{2})*)?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (!pairs.match(text).hasMatch())
        return std::nullopt;
    return QByteArray::fromHex(text.toLatin1());
}

} // namespace

long RegistryHive::load(const QString &path)
{
    keys_.clear();
    QFile file(path);
    if (!file.exists())
        return ERROR_SUCCESS;
    if (!file.open(QIODevice::ReadOnly))
        return ERROR_ACCESS_DENIED;
    // A carriage return can only come from a line ending: in names it is escaped.
    const QString text = QString::fromUtf8(file.readAll()).remove(u'\r');
    if (parse(text.split(u'\n')))
        return ERROR_SUCCESS;
    keys_.clear();
    return ERROR_BADDB;
}

long RegistryHive::save(const QString &path) const
{
    return AtomicFileWriter::replace(path, text().toUtf8());
}

bool RegistryHive::supportsType(std::uint32_t type)
{
    return typeNameOf(type) != nullptr;
}

bool RegistryHive::addKey(const QString &keyPath)
{
    if (findByName(keys_, keyPath) != keys_.end())
        return false;
    keys_.append({keyPath, {}});
    return true;
}

void RegistryHive::setValue(const QString &keyPath, const QString &name,
                            const RegistryValue &value)
{
    addKey(keyPath);
    QList<NamedValue> &values = findByName(keys_, keyPath)->values;
    const auto existing = findByName(values, name);
    if (existing == values.end())
        values.append({name, value});
    else
        existing->value = value;
}

std::optional<RegistryValue> RegistryHive::value(const QString &keyPath,
                                                 const QString &name) const
{
    const auto key = findByName(keys_, keyPath);
    if (key == keys_.end())
        return std::nullopt;
    const auto stored = findByName(key->values, name);
    if (stored == key->values.end())
        return std::nullopt;
    return stored->value;
}

bool RegistryHive::parse(const QStringList &lines)
{
    if (lines.isEmpty() || lines.first() != signature)
        return false;
    std::optional<QString> section;
    for (const QString &line : lines.mid(1)) {
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = unescapeName(line.mid(1, line.size() - 2));
            addKey(*section);
        } else if (!section || !parseValue(*section, line)) {
            return false;
        }
    }
    return true;
}

bool RegistryHive::parseValue(const QString &keyPath, const QString &line)
{
    const qsizetype equals = line.indexOf(u'=');
    const qsizetype colon = line.indexOf(u':', equals + 1);
    if (equals < 0 || colon < 0)
        return false;
    const QString type = line.mid(equals + 1, colon - equals - 1);
    const TypeName *known = findTypeName([&type](const TypeName &entry) { return entry.name == type; });
    const std::optional<QByteArray> data = bytesFromText(line.mid(colon + 1));
    if (!known || !data)
        return false;
    setValue(keyPath, unescapeName(line.left(equals)), {known->type, *data});
    return true;
}

QString RegistryHive::text() const
{
    QString text = signature + u'\n' + formatNote + u'\n';
    for (const Key &key : keys_) {
        text += QStringLiteral("\n[") + escapeName(key.name) + QStringLiteral("]\n");
        for (const NamedValue &stored : key.values) {
            text += escapeName(stored.name) + u'=' + typeNameOf(stored.value.type)->name
                    + u':' + QString::fromLatin1(stored.value.data.toHex(' ')) + u'\n';
        }
    }
    return text;
}

} // namespace registry
