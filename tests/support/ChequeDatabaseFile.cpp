#include "support/ChequeDatabaseFile.h"

DatabaseFile chequeDatabaseFile()
{
    const QString scripts = QStringLiteral(QUILVANE_DATABASE_SCRIPTS);
    return DatabaseFile(scripts + QStringLiteral("/schema.sql"), scripts + QStringLiteral("/seed.sql"));
}
