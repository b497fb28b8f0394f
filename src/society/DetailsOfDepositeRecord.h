#pragma once

#include "data/RecordColumn.h"
#include "society/SpareColumns.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

// One receipt line as the receipt class holds it: a field per column of
// DETAILSOFDEPOSITE. The lines of one receipt share SN; each pays one line of a bill,
// or with BILLNUMBER 0 is a payment not against a bill.
// STRREM1 holds the amount in words, STRREM2 the cheque date as typed and DATEREM1 the
// day the line was copied in.
struct DetailsOfDepositeRecord : SpareColumns {
    std::int16_t SN_ = 0; // the current receipt number
    QDate DATEOFDEPOSITE_ = rt::ZeroDate;
    std::int16_t BILLNUMBER_ = 0;
    QDate BILLDATE_ = rt::ZeroDate;
    std::int16_t BILLSERIALNUMBER_ = 0;
    std::int16_t BILLMONTH_ = 0;
    std::int16_t BILLYEAR_ = 0;
    std::int16_t MEMBERNUMBER_ = 0;
    QString MEMBERNAME_;
    QString FLATNUMBER_;
    QString FEETYPE_;
    double FEEAMOUNT_ = 0;
    QString CHEQUEORCASH_;
    QString CHEQUEN_;
    QString BANKNAME_;
    QString REMARK_;
};

// The columns of DETAILSOFDEPOSITE in table order, each with its field.
inline const std::array<RecordColumn<DetailsOfDepositeRecord>, 26> DETAILSOFDEPOSITEColumns = {{
    {"SN", &DetailsOfDepositeRecord::SN_},
    {"DATEOFDEPOSITE", &DetailsOfDepositeRecord::DATEOFDEPOSITE_},
    {"BILLNUMBER", &DetailsOfDepositeRecord::BILLNUMBER_},
    {"BILLDATE", &DetailsOfDepositeRecord::BILLDATE_},
    {"BILLSERIALNUMBER", &DetailsOfDepositeRecord::BILLSERIALNUMBER_},
    {"BILLMONTH", &DetailsOfDepositeRecord::BILLMONTH_},
    {"BILLYEAR", &DetailsOfDepositeRecord::BILLYEAR_},
    {"MEMBERNUMBER", &DetailsOfDepositeRecord::MEMBERNUMBER_},
    {"MEMBERNAME", &DetailsOfDepositeRecord::MEMBERNAME_},
    {"FLATNUMBER", &DetailsOfDepositeRecord::FLATNUMBER_},
    {"FEETYPE", &DetailsOfDepositeRecord::FEETYPE_},
    {"FEEAMOUNT", &DetailsOfDepositeRecord::FEEAMOUNT_},
    {"CHEQUEORCASH", &DetailsOfDepositeRecord::CHEQUEORCASH_},
    {"CHEQUEN", &DetailsOfDepositeRecord::CHEQUEN_},
    {"BANKNAME", &DetailsOfDepositeRecord::BANKNAME_},
    {"REMARK", &DetailsOfDepositeRecord::REMARK_},
    {"STRREM1", &DetailsOfDepositeRecord::STRREM1_},
    {"STRREM2", &DetailsOfDepositeRecord::STRREM2_},
    {"STRREM3", &DetailsOfDepositeRecord::STRREM3_},
    {"STRREM4", &DetailsOfDepositeRecord::STRREM4_},
    {"INTREM1", &DetailsOfDepositeRecord::INTREM1_},
    {"INTREM2", &DetailsOfDepositeRecord::INTREM2_},
    {"INTREM3", &DetailsOfDepositeRecord::INTREM3_},
    {"INTREM4", &DetailsOfDepositeRecord::INTREM4_},
    {"DATEREM1", &DetailsOfDepositeRecord::DATEREM1_},
    {"DATEREM2", &DetailsOfDepositeRecord::DATEREM2_},
}};

// What a receipt line takes from the bill line it pays, by the bill line's column names.
inline const std::array<RecordColumn<DetailsOfDepositeRecord>, 10> BillLinePaidColumns = {{
    {"SN", &DetailsOfDepositeRecord::BILLNUMBER_},
    {"DATEX", &DetailsOfDepositeRecord::BILLDATE_},
    {"BILLSERIALNUMBER", &DetailsOfDepositeRecord::BILLSERIALNUMBER_},
    {"BILLMONTH", &DetailsOfDepositeRecord::BILLMONTH_},
    {"BILLYEAR", &DetailsOfDepositeRecord::BILLYEAR_},
    {"MEMBERNUMBER", &DetailsOfDepositeRecord::MEMBERNUMBER_},
    {"MEMBERNAME", &DetailsOfDepositeRecord::MEMBERNAME_},
    {"FLATNUMBER", &DetailsOfDepositeRecord::FLATNUMBER_},
    {"FEETYPE", &DetailsOfDepositeRecord::FEETYPE_},
    {"FEEAMOUNT", &DetailsOfDepositeRecord::FEEAMOUNT_},
}};
