#include "reports/CRClass.h"

#include "reports/FormulaText.h"
#include "reports/ReportLaunch.h"

namespace {

const QString BankReport = QStringLiteral("\\BANKREPORT.rpt");
const QString BankEntryDate = QStringLiteral("{BANK.DATEOFENTRY}");

} // namespace

rt::Variant CRClass::ShowBankTransactionALL(report::ReportControl &CR, forms::Control &DTP1,
                                            forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, BankReport, [&] {
        return FormulaText::dateRange(BankEntryDate, DTP1, DTP2);
    });
}

rt::Variant CRClass::ShowBankTransactionCORCASH(report::ReportControl &CR,
                                                const QString &CHEQUEORCASH,
                                                forms::Control &DTP1, forms::Control &DTP2)
{
    return ReportLaunch::usual(CR, BankReport, [&] {
        return FormulaText::equalsText(QStringLiteral("{BANK.CHEQUEORCASH}"), CHEQUEORCASH)
               + QStringLiteral(" AND ") + FormulaText::dateRange(BankEntryDate, DTP1, DTP2);
    });
}
