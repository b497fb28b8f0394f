#pragma once

#include "data/RecordColumn.h"
#include "society/SpareColumns.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

// One entry of the society's bank book as the bank class holds it: a field per column
// of BANK.
struct BankRecord : SpareColumns {
    std::int16_t SN_ = 0;
    QString BANKNAME_;
    QString BANKBRANCH_;
    QString ACCOUNTNUMBER_;
    QString ACCOUNTHOLDER_;
    QDate DATEOFENTRY_ = rt::ZeroDate;
    double AMOUNT_ = 0;
    QString AMOUNTINWORD_;
    QString CHEQUEORCASH_; // "CASH", "CHEQUE" or "DRAFT"
    QString CHEQUENUMBER_; // text, so leading zeros stay
    QString CHEQUEDATE_;
    QString CHEQUEBANKNAME_;
    QString CHEQUERECEIVEDFROM_;
    QString DEPOSITEDBY_;
    QString REMARK_;
};

// The columns of BANK in table order, each with its field.
inline const std::array<RecordColumn<BankRecord>, 25> BANKColumns = {{
    {"SN", &BankRecord::SN_},
    {"BANKNAME", &BankRecord::BANKNAME_},
    {"BANKBRANCH", &BankRecord::BANKBRANCH_},
    {"ACCOUNTNUMBER", &BankRecord::ACCOUNTNUMBER_},
    {"ACCOUNTHOLDER", &BankRecord::ACCOUNTHOLDER_},
    {"DATEOFENTRY", &BankRecord::DATEOFENTRY_},
    {"AMOUNT", &BankRecord::AMOUNT_},
    {"AMOUNTINWORD", &BankRecord::AMOUNTINWORD_},
    {"CHEQUEORCASH", &BankRecord::CHEQUEORCASH_},
    {"CHEQUENUMBER", &BankRecord::CHEQUENUMBER_},
    {"CHEQUEDATE", &BankRecord::CHEQUEDATE_},
    {"CHEQUEBANKNAME", &BankRecord::CHEQUEBANKNAME_},
    {"CHEQUERECEIVEDFROM", &BankRecord::CHEQUERECEIVEDFROM_},
    {"DEPOSITEDBY", &BankRecord::DEPOSITEDBY_},
    {"REMARK", &BankRecord::REMARK_},
    {"STRREM1", &BankRecord::STRREM1_},
    {"STRREM2", &BankRecord::STRREM2_},
    {"STRREM3", &BankRecord::STRREM3_},
    {"STRREM4", &BankRecord::STRREM4_},
    {"INTREM1", &BankRecord::INTREM1_},
    {"INTREM2", &BankRecord::INTREM2_},
    {"INTREM3", &BankRecord::INTREM3_},
    {"INTREM4", &BankRecord::INTREM4_},
    {"DATEREM1", &BankRecord::DATEREM1_},
    {"DATEREM2", &BankRecord::DATEREM2_},
}};
