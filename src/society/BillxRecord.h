#pragma once

#include "data/RecordColumn.h"
#include "society/SpareColumns.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

// One bill line as the bill class holds it: a field per column of BILLX. The lines
// of one bill share SN and are numbered from 1 in BILLSERIALNUMBER.
// STRREM1 holds the member's wing, INTREM1 the member's advance and DATEREM1 the day
// the line was copied in.
struct BillxRecord : SpareColumns {
    std::int16_t SN_ = 0;
    QDate DATEX_ = rt::ZeroDate;
    std::int16_t BILLSERIALNUMBER_ = 0;
    std::int16_t BILLMONTH_ = 0;
    std::int16_t BILLYEAR_ = 0;
    std::int16_t MEMBERNUMBER_ = 0;
    QString MEMBERNAME_;
    QString FLATNUMBER_;
    QString FEETYPE_;
    double FEEAMOUNT_ = 0;
    double DUEAMOUNT_ = 0;
    QString REMARK_;
};

// The columns of BILLX in table order, each with its field.
inline const std::array<RecordColumn<BillxRecord>, 22> BILLXColumns = {{
    {"SN", &BillxRecord::SN_},
    {"DATEX", &BillxRecord::DATEX_},
    {"BILLSERIALNUMBER", &BillxRecord::BILLSERIALNUMBER_},
    {"BILLMONTH", &BillxRecord::BILLMONTH_},
    {"BILLYEAR", &BillxRecord::BILLYEAR_},
    {"MEMBERNUMBER", &BillxRecord::MEMBERNUMBER_},
    {"MEMBERNAME", &BillxRecord::MEMBERNAME_},
    {"FLATNUMBER", &BillxRecord::FLATNUMBER_},
    {"FEETYPE", &BillxRecord::FEETYPE_},
    {"FEEAMOUNT", &BillxRecord::FEEAMOUNT_},
    {"DUEAMOUNT", &BillxRecord::DUEAMOUNT_},
    {"REMARK", &BillxRecord::REMARK_},
    {"STRREM1", &BillxRecord::STRREM1_},
    {"STRREM2", &BillxRecord::STRREM2_},
    {"STRREM3", &BillxRecord::STRREM3_},
    {"STRREM4", &BillxRecord::STRREM4_},
    {"INTREM1", &BillxRecord::INTREM1_},
    {"INTREM2", &BillxRecord::INTREM2_},
    {"INTREM3", &BillxRecord::INTREM3_},
    {"INTREM4", &BillxRecord::INTREM4_},
    {"DATEREM1", &BillxRecord::DATEREM1_},
    {"DATEREM2", &BillxRecord::DATEREM2_},
}};
