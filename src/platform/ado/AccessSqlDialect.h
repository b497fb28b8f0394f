#pragma once

#include <QByteArray>
#include <QString>

namespace ado {

// The statement texts the program writes, in the engine's own dialect: a date between
// "#" signs (dd/MM/yyyy, the system's short-date form) becomes the 'yyyy-MM-dd' text
// that DATE columns hold, and "Delete * from" loses its "*". Texts in quotes and names
// in brackets are copied unchanged.
class AccessSqlDialect {
public:
    // One pass over the text, in the engine's UTF-8. Raises the rejected-statement
    // error for a date between "#" signs that is not in the short-date form.
    static QByteArray toSqlite(const QString &statement);
};

} // namespace ado
