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

// The current layout profile: a name and the positions, in twips, of the seven texts.
struct LayoutProfileData {
    QString NAMEX;
    std::int16_t ACPAYLEFT = 0;
    std::int16_t ACPAYTOP = 0;
    std::int16_t DATELEFT = 0;
    std::int16_t DATETOP = 0;
    std::int16_t NAMELEFT = 0;
    std::int16_t NAMETOP = 0;
    std::int16_t RUPEEWORDLEFT = 0;
    std::int16_t RUPEEWORDTOP = 0;
    std::int16_t RUPEENumberLEFT = 0;
    std::int16_t RUPEENumberTOP = 0;
    std::int16_t ACLEFT = 0;
    std::int16_t ACTOP = 0;
    std::int16_t SIGNLEFT = 0;
    std::int16_t SIGNTOP = 0;
};
