#include "platform/ado/AdoError.h"

namespace ado {

rt::RuntimeError AdoError::connectionUnusable()
{
    return rt::RuntimeError(rt::errConnectionUnusable,
                            QStringLiteral("The connection cannot be used to perform this "
                                           "operation. It is either closed or invalid in this "
                                           "context."));
}

rt::RuntimeError AdoError::objectClosed()
{
    return rt::RuntimeError(rt::errObjectClosed,
                            QStringLiteral("Operation is not allowed when the object is closed."));
}

rt::RuntimeError AdoError::noCurrentRecord()
{
    return rt::RuntimeError(rt::errNoCurrentRecord,
                            QStringLiteral("Either BOF or EOF is True, or the current record has "
                                           "been deleted. Requested operation requires a current "
                                           "record."));
}

rt::RuntimeError AdoError::itemNotFound()
{
    return rt::RuntimeError(errItemNotFound,
                            QStringLiteral("Item cannot be found in the collection corresponding "
                                           "to the requested name or ordinal."));
}

rt::RuntimeError AdoError::statementRejected(const QString &description)
{
    return rt::RuntimeError(rt::errStatementRejected, description);
}

rt::RuntimeError AdoError::providerFailure(const QString &description)
{
    return rt::RuntimeError(rt::errProviderFailure, description);
}

// Not the provider failure: the duplicate check of the member register reads that
// number, and a lock must not be taken for a second member.
rt::RuntimeError AdoError::databaseInUse(const QString &path)
{
    return rt::RuntimeError(errResourceLocked,
                            QStringLiteral("The register '%1' is in use by another program. "
                                           "Close that program or wait until it has finished, "
                                           "then try again.")
                                .arg(path));
}

} // namespace ado
