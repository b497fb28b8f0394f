#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QString>

namespace ado {

// A name or position that no column of the recordset has.
constexpr long errItemNotFound = 3265;
// The database file is locked by another program.
constexpr long errResourceLocked = 3730;

// The run-time errors the data-access objects raise, each with its one description.
class AdoError {
public:
    static rt::RuntimeError connectionUnusable();
    static rt::RuntimeError objectClosed();
    static rt::RuntimeError noCurrentRecord();
    static rt::RuntimeError itemNotFound();
    static rt::RuntimeError statementRejected(const QString &description);
    static rt::RuntimeError providerFailure(const QString &description);
    static rt::RuntimeError databaseInUse(const QString &path);
};

} // namespace ado
