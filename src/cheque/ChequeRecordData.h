#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

// The current cheque: the columns of the cheque register in table order.
struct ChequeRecordData {
    // The runtime's zero date, which a date field holds until it is set.
    static inline const QDate ZeroDate{1899, 12, 30};

    std::int16_t SN = 0;
    QString BANKNAME;
    QString BANKBRANCH;
    QString ACCOUNTNUMBER;
    QString ACCOUNTHOLDER;
    QDate DATEOFENTRY = ZeroDate;
    double AMOUNT = 0;
    QString AMOUNTINWORD;
    double CHEQUENUMBER = 0;
    QString CHEQUEDATE;
    QString CHEQUEISSUEDTO;
    QString ISSUEDBY;
    QString REMARK;
    QString ACPAYONLY;
    QString STRREM2;
    QString STRREM3;
    QString STRREM4;
    double INTREM1 = 0;
    double INTREM2 = 0;
    double INTREM3 = 0;
    double INTREM4 = 0;
    QDate DATEREM1 = ZeroDate;
    QDate DATEREM2 = ZeroDate;
};
