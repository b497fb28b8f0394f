#pragma once

#include "platform/runtime/OnFirstUse.h"
#include "platform/runtime/Variant.h"
#include "reports/ReportLaunch.h"

#include <QString>
#include <cstdint>

class CommonClass;
class DEPOSITCLASS;
namespace forms {
class Control;
}
namespace report {
class ReportControl;
}

// The report launcher: one operation per report. Each fills the caller's report control
// (selection formula, header formulas, report file) and runs the report; a failure is
// shown to the user, never returned, and every operation returns the empty value.
// Date pickers (DTP1 the first day, DTP2 the last, both included) are read for their
// date value, other controls for their Text, each when its formula is written.
class CRClass {
public:
    CRClass();
    ~CRClass();

    // A member's bills over a range of bill dates, on the launcher's connection string.
    rt::Variant NeedToDeposit(report::ReportControl &CR, const QString &Memberx,
                              forms::Control &DTP1, forms::Control &DTP2);
    // The same bills, in short.
    rt::Variant BillShort(report::ReportControl &CR, const QString &Memberx,
                          forms::Control &DTP1, forms::Control &DTP2);
    // Every bill, on the launcher's connection string.
    rt::Variant BILLREPORT(report::ReportControl &CR);
    // A member's receipts over a range of deposit dates.
    rt::Variant DepositDetail(report::ReportControl &CR, const QString &Memberx,
                              forms::Control &DTP1, forms::Control &DTP2);
    rt::Variant MemberDepositDetail(report::ReportControl &CR, const QString &Memberx,
                                    forms::Control &DTP1, forms::Control &DTP2);
    rt::Variant MemberDepositDetailShort(report::ReportControl &CR, const QString &Memberx,
                                         forms::Control &DTP1, forms::Control &DTP2);
    rt::Variant MemberDepositDetailALL(report::ReportControl &CR);
    // Every receipt over a range of deposit dates.
    rt::Variant All(report::ReportControl &CR, forms::Control &DTP1, forms::Control &DTP2);
    rt::Variant AsDate(report::ReportControl &CR, forms::Control &DTP1, forms::Control &DTP2);
    // The member register, on the launcher's own connection, opened first.
    rt::Variant MemberList(report::ReportControl &CR);
    rt::Variant MemberDetail(report::ReportControl &CR, const QString &NAMEX);
    // A member's account statement over a range of dates; the two dates also go to the
    // report's date1 and date2.
    rt::Variant ShowMemerReport(report::ReportControl &CR, forms::Control &MEMBERNUM,
                                forms::Control &DTP1, forms::Control &DTP2);
    // The members who have left.
    rt::Variant OldMemberDetail(report::ReportControl &CR);
    // A member's bills.
    rt::Variant ShowBillAsMember(report::ReportControl &CR, const QString &Memberx);
    // One bill of a member.
    rt::Variant ShowBillAsMemberNotDeposited(report::ReportControl &CR, const QString &Memberx,
                                             std::int16_t NotdepositNumber);
    // A member's bills, whatever the number.
    rt::Variant ShowBillAsMemberDeposited(report::ReportControl &CR, const QString &Memberx,
                                          std::int16_t DepositNumber);
    // One bill.
    rt::Variant ShowBillAsNumber(report::ReportControl &CR, std::int16_t Number);
    // One receipt: the receipt layout when it pays a bill, the advance receipt otherwise.
    rt::Variant ShowReceiptNumberASPERNUMBER(report::ReportControl &CR, std::int16_t Number);
    rt::Variant ShowReceiptNumber(report::ReportControl &CR);
    rt::Variant ShowReceiptNumberAsDate(report::ReportControl &CR, forms::Control &DTP1,
                                        forms::Control &DTP2);
    rt::Variant ShowBill(report::ReportControl &CR);
    // The expenditure of one type, credits left out.
    rt::Variant ShowExpenditure(report::ReportControl &CR, const QString &ExType);
    // All expenditure, credits left out, whatever the type.
    rt::Variant ShowExpenditureAll(report::ReportControl &CR, const QString &ExType);
    rt::Variant ShowExpenditureASType(report::ReportControl &CR, const QString &ExType);
    rt::Variant ShowExpenditureASDate(report::ReportControl &CR, forms::Control &DTP1,
                                      forms::Control &DTP2);
    rt::Variant ShowExpenditureCREDIT(report::ReportControl &CR);
    rt::Variant ShowDepositAsDate(report::ReportControl &CR);
    rt::Variant ShowFLAT(report::ReportControl &CR);
    // One flat's record: its wing and flat number as the two controls hold them.
    rt::Variant ShowFLATrecord(report::ReportControl &CR, forms::Control &WING,
                               forms::Control &Num);
    rt::Variant ShowEMPLOYEE(report::ReportControl &CR);
    rt::Variant ShowEMPLOYEEASPERNAME(report::ReportControl &CR, forms::Control &NAMEX);
    rt::Variant ShowDOCUMENTasperTOPIC(report::ReportControl &CR, forms::Control &TOPICX);
    rt::Variant ShowDOCUMENTALL(report::ReportControl &CR);
    // The bank book over a range of entry dates.
    rt::Variant ShowBankTransactionALL(report::ReportControl &CR, forms::Control &DTP1,
                                       forms::Control &DTP2);
    // The bank book over a range of entry dates for one kind (CASH, CHEQUE, DRAFT).
    rt::Variant ShowBankTransactionCORCASH(report::ReportControl &CR,
                                           const QString &CHEQUEORCASH, forms::Control &DTP1,
                                           forms::Control &DTP2);
    rt::Variant ShowDAILY(report::ReportControl &CR);
    rt::Variant BalanceSheet(report::ReportControl &CR);
    rt::Variant BalanceSheetbOTH(report::ReportControl &CR);
    rt::Variant RECANDEXACCOUNT(report::ReportControl &CR);
    rt::Variant ShowTenant(report::ReportControl &CR);
    // The tenants of the member named in the control.
    rt::Variant ShowTENANTASPERFLAT(report::ReportControl &CR, forms::Control &NAMEX);
    rt::Variant ShowVehicle(report::ReportControl &CR);
    // Complaints of one group, or at one position, or all, over a range of dates.
    rt::Variant ShowCOMPLAINASPerGroup(report::ReportControl &CR, const QString &Groupx,
                                       forms::Control &DTP1, forms::Control &DTP2);
    rt::Variant ShowCOMPLAINASPerPosition(report::ReportControl &CR, const QString &Positionx,
                                          forms::Control &DTP1, forms::Control &DTP2);
    rt::Variant ShowAllComplainAsPerDate(report::ReportControl &CR, forms::Control &DTP1,
                                         forms::Control &DTP2);
    rt::Variant ShowDatabase(report::ReportControl &CR);
    rt::Variant ShowCHARGESTYPE(report::ReportControl &CR);
    // One expenditure voucher: its serial as the control holds it.
    rt::Variant ShowEXPENDITUREVOUCHER(report::ReportControl &CR, forms::Control &SNx);
    // One share certificate; the range of share numbers goes to the report's minx and maxx.
    rt::Variant ShowShareCertificate(report::ReportControl &CR, std::int16_t Number,
                                     std::int16_t minx, std::int16_t maxx);

private:
    // The launcher's own data-access object, created on first use.
    CommonClass &common();
    // The launcher's own receipts object, created on first use: it tells which receipt
    // layout a receipt needs.
    DEPOSITCLASS &receipts();
    // A member's bills over a range of bill dates, on the launcher's connection as it is.
    rt::Variant billsOfMember(report::ReportControl &CR, const QString &reportFile,
                              const QString &Memberx, forms::Control &DTP1,
                              forms::Control &DTP2);
    // The closing steps of a launch on the launcher's connection as it is: its string,
    // the two numeric settings, run.
    void runOnOwnConnection(ReportLaunch &step);
    // The usual launch on the launcher's connection, opened first.
    rt::Variant connectedFirst(report::ReportControl &CR, const QString &reportFile,
                               const ReportLaunch::Filter &filter = {});

    rt::OnFirstUse<CommonClass> common_;
    rt::OnFirstUse<DEPOSITCLASS> receipts_;
};
