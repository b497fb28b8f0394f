#pragma once

#include "data/DataAccess.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"

#include <QString>

namespace forms {
class Control;
}

// The data-access object every data class holds: its own connection, three recordsets
// and the text of the next statement.
class CommonClass {
public:
    ado::Connection Con;
    ado::Recordset Rs;
    ado::Recordset RsTwo;
    ado::Recordset RsThree;
    QString str;
    QString LogedPerson;
    QString rolrx;
    double TOTAL = 0;

    // The connection string of Con (the database password in capitals).
    static inline const QString ConnectionString =
        QStringLiteral("DSN=Cheque;userID=Admin;Password=41MAYPOL");

    bool connect();
    void FillTypesofDeposit(forms::Control &CMB);
    void FillGENERALTypesofDeposit(forms::Control &CMB);
    void FillTypesofEXPENDITURE(forms::Control &CMB);
    void Changepassword(forms::Control &txtUID, forms::Control &txtPwd,
                        forms::Control &txtReenter);
    void FillUID(forms::Control &CMB);
    bool GetLog(forms::Control &txtUID, forms::Control &txtPwd);
    // Replaces the row of gen with the late fee, or keeps it when the fee cannot be saved.
    void updatelatefee(double &latefee);

    // The query of a user's row by name and password.
    static QString userQuery(const QString &user, const QString &password);
    // The login's comparison on the current row of a user query: the user name
    // without regard to letter case, the password exactly.
    static bool matchesLogin(const ado::Recordset &rows, const QString &user,
                             const QString &password);

private:
    // The statements of this class: its own connection, the text in str.
    DataAccess own();
};
