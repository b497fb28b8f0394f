#include "cheque/ModuleData.h"

#include "platform/runtime/OnFirstUse.h"

namespace ModuleData {

namespace {

struct Records {
    ChequeRecordData cheque;
    LayoutProfileData profile;
    std::int16_t orientation = 0;
};

Records &records()
{
    static rt::OnFirstUse<Records> shared;
    return shared.get();
}

} // namespace

ChequeRecordData &ChequeRecord() { return records().cheque; }
LayoutProfileData &LayoutProfile() { return records().profile; }
std::int16_t &PrintOrientation() { return records().orientation; }

} // namespace ModuleData
