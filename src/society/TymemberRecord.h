#pragma once

#include "data/RecordColumn.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

// One row of a member's statement (TYMEMBER): a bill line, with its amount billed, or a
// receipt line, with its amount received.
struct TymemberRecord {
    std::int16_t SN_ = 0;
    double MEMBERNUMBER_ = 0;
    QDate DATEX_ = rt::ZeroDate;
    QString FEETYPE_;
    QString ENTRYKIND_;               // "Bill" or "Receipt"
    std::int16_t DOCUMENTNUMBER_ = 0; // the bill or receipt number
    double BILLEDAMOUNT_ = 0;
    double RECEIVEDAMOUNT_ = 0;
};

// The columns of TYMEMBER in table order, each with its field.
inline const std::array<RecordColumn<TymemberRecord>, 8> TYMEMBERColumns = {{
    {"SN", &TymemberRecord::SN_},
    {"MEMBERNUMBER", &TymemberRecord::MEMBERNUMBER_},
    {"DATEX", &TymemberRecord::DATEX_},
    {"FEETYPE", &TymemberRecord::FEETYPE_},
    {"ENTRYKIND", &TymemberRecord::ENTRYKIND_},
    {"DOCUMENTNUMBER", &TymemberRecord::DOCUMENTNUMBER_},
    {"BILLEDAMOUNT", &TymemberRecord::BILLEDAMOUNT_},
    {"RECEIVEDAMOUNT", &TymemberRecord::RECEIVEDAMOUNT_},
}};
