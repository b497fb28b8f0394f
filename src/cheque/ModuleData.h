#pragma once

#include "cheque/ChequeRecordData.h"
#include "cheque/LayoutProfileData.h"

#include <cstdint>

// The records every cheque window shares: the cheque loaded last by any of them, the
// layout profile loaded last, and the printing orientation (1 portrait, 2 landscape).
namespace ModuleData {

ChequeRecordData &ChequeRecord();
LayoutProfileData &LayoutProfile();
std::int16_t &PrintOrientation();

} // namespace ModuleData
