#pragma once

#include "data/RecordColumn.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

// The current cheque: the columns of the cheque register in table order.
struct ChequeRecordData {
    std::int16_t SN = 0;
    QString BANKNAME;
    QString BANKBRANCH;
    QString ACCOUNTNUMBER;
    QString ACCOUNTHOLDER;
    QDate DATEOFENTRY = rt::ZeroDate;
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
    QDate DATEREM1 = rt::ZeroDate;
    QDate DATEREM2 = rt::ZeroDate;
};

// The columns of the cheque register in table order, with the field of each.
inline const std::array<RecordColumn<ChequeRecordData>, 23> ChequeRecordColumns = {{
    {"SN", &ChequeRecordData::SN},
    {"BANKNAME", &ChequeRecordData::BANKNAME},
    {"BANKBRANCH", &ChequeRecordData::BANKBRANCH},
    {"ACCOUNTNUMBER", &ChequeRecordData::ACCOUNTNUMBER},
    {"ACCOUNTHOLDER", &ChequeRecordData::ACCOUNTHOLDER},
    {"DATEOFENTRY", &ChequeRecordData::DATEOFENTRY},
    {"AMOUNT", &ChequeRecordData::AMOUNT},
    {"AMOUNTINWORD", &ChequeRecordData::AMOUNTINWORD},
    {"CHEQUENUMBER", &ChequeRecordData::CHEQUENUMBER},
    {"CHEQUEDATE", &ChequeRecordData::CHEQUEDATE},
    {"CHEQUEISSUEDTO", &ChequeRecordData::CHEQUEISSUEDTO},
    {"ISSUEDBY", &ChequeRecordData::ISSUEDBY},
    {"REMARK", &ChequeRecordData::REMARK},
    {"ACPAYONLY", &ChequeRecordData::ACPAYONLY},
    {"STRREM2", &ChequeRecordData::STRREM2},
    {"STRREM3", &ChequeRecordData::STRREM3},
    {"STRREM4", &ChequeRecordData::STRREM4},
    {"INTREM1", &ChequeRecordData::INTREM1},
    {"INTREM2", &ChequeRecordData::INTREM2},
    {"INTREM3", &ChequeRecordData::INTREM3},
    {"INTREM4", &ChequeRecordData::INTREM4},
    {"DATEREM1", &ChequeRecordData::DATEREM1},
    {"DATEREM2", &ChequeRecordData::DATEREM2},
}};
