#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

namespace forms {
class Control;
}
namespace report {
class ReportControl;
}

// The report launcher: one operation per report. Each fills the caller's report control
// (selection formula, header formulas, report file) and runs the report; a failure is
// shown to the user, never returned, and every operation returns the empty value.
// Date pickers are read for their date value, controls for their Text.
class CRClass {
public:
    // The bank book over a range of entry dates.
    rt::Variant ShowBankTransactionALL(report::ReportControl &CR, forms::Control &DTP1,
                                       forms::Control &DTP2);
    // The bank book over a range of entry dates for one kind (CASH, CHEQUE, DRAFT).
    rt::Variant ShowBankTransactionCORCASH(report::ReportControl &CR,
                                           const QString &CHEQUEORCASH, forms::Control &DTP1,
                                           forms::Control &DTP2);
};
