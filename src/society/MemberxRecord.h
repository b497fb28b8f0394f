#pragma once

#include "data/RecordColumn.h"
#include "society/SpareColumns.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

// One member of the register as the member class holds it: a field per column of
// Memberx (and of FlatHistory, which keeps copies of the same record).
// STRREM1 holds the path of the member's photo file, "-" for none.
struct MemberxRecord : SpareColumns {
    std::int16_t SN_ = 0;
    QString NAMEX_;
    QString WING_;
    QString ACCO_; // the flat number
    QString GUARDIAN_;
    QString GUARDIANADDRESS_;
    double MONTHLYINCOME_ = 0;
    QString OCCUPATION_;
    QDate DOB_ = rt::ZeroDate;
    QString PREADDRESS_;
    QString PRECITY_;
    QString PMTADDRESS_;
    QString PMTCITY_;
    QString PHONE_;
    QDate DOFJOINING_ = rt::ZeroDate;
    QString DOFLEAVING_; // "-" while a member
    QString NOMINEENAME_;
    QString NOMINEEADDRESS_;
    std::int16_t NOMINEEAGE_ = 0;
    QString NOMINEERELATION_;
    QDate DATEOFENTRY_ = rt::ZeroDate;
};

// The columns of Memberx in table order, each with its field.
inline const std::array<RecordColumn<MemberxRecord>, 31> MemberxColumns = {{
    {"SN", &MemberxRecord::SN_},
    {"NAMEX", &MemberxRecord::NAMEX_},
    {"WING", &MemberxRecord::WING_},
    {"ACCO", &MemberxRecord::ACCO_},
    {"GUARDIAN", &MemberxRecord::GUARDIAN_},
    {"GUARDIANADDRESS", &MemberxRecord::GUARDIANADDRESS_},
    {"MONTHLYINCOME", &MemberxRecord::MONTHLYINCOME_},
    {"OCCUPATION", &MemberxRecord::OCCUPATION_},
    {"DOB", &MemberxRecord::DOB_},
    {"PREADDRESS", &MemberxRecord::PREADDRESS_},
    {"PRECITY", &MemberxRecord::PRECITY_},
    {"PMTADDRESS", &MemberxRecord::PMTADDRESS_},
    {"PMTCITY", &MemberxRecord::PMTCITY_},
    {"PHONE", &MemberxRecord::PHONE_},
    {"DOFJOINING", &MemberxRecord::DOFJOINING_},
    {"DOFLEAVING", &MemberxRecord::DOFLEAVING_},
    {"NOMINEENAME", &MemberxRecord::NOMINEENAME_},
    {"NOMINEEADDRESS", &MemberxRecord::NOMINEEADDRESS_},
    {"NOMINEEAGE", &MemberxRecord::NOMINEEAGE_},
    {"NOMINEERELATION", &MemberxRecord::NOMINEERELATION_},
    {"DATEOFENTRY", &MemberxRecord::DATEOFENTRY_},
    {"STRREM1", &MemberxRecord::STRREM1_},
    {"STRREM2", &MemberxRecord::STRREM2_},
    {"STRREM3", &MemberxRecord::STRREM3_},
    {"STRREM4", &MemberxRecord::STRREM4_},
    {"INTREM1", &MemberxRecord::INTREM1_},
    {"INTREM2", &MemberxRecord::INTREM2_},
    {"INTREM3", &MemberxRecord::INTREM3_},
    {"INTREM4", &MemberxRecord::INTREM4_},
    {"DATEREM1", &MemberxRecord::DATEREM1_},
    {"DATEREM2", &MemberxRecord::DATEREM2_},
}};
