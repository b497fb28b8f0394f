#include "cheque/ModuleData.h"

namespace ModuleData {

namespace {

struct Records {
    ChequeRecordData cheque;
    LayoutProfileData profile;
    std::int16_t orientation = 0;
};

Records &records()
{
    static Records shared;
    return shared;
}

} // namespace

ChequeRecordData &ChequeRecord() { return records().cheque; }
LayoutProfileData &LayoutProfile() { return records().profile; }
std::int16_t &PrintOrientation() { return records().orientation; }

void resetForTesting()
{
    records() = Records();
}

} // namespace ModuleData
