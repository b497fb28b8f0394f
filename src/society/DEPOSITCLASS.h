#pragma once

#include "cheque/CalculateClass.h"
#include "data/CommonClass.h"
#include "data/DataAccess.h"
#include "platform/runtime/OnFirstUse.h"
#include "society/DetailsOfDepositeRecord.h"

#include <QDate>
#include <QString>
#include <cstdint>

class BILLCLASS;

namespace forms {
class Control;
}

// The society's receipts (DETAILSOFDEPOSITE). The object holds one receipt line at a
// time in its fields; SN_ is the receipt that the bills paid together are written
// under, until the caller takes a new number. It also keeps a member's account:
// receipts, the balance written onto a bill and the year-end carry-forward.
class DEPOSITCLASS : public DetailsOfDepositeRecord {
public:
    DEPOSITCLASS();
    ~DEPOSITCLASS();
    DEPOSITCLASS(const DEPOSITCLASS &) = delete;
    DEPOSITCLASS &operator=(const DEPOSITCLASS &) = delete;

    // True, after saying "Bill already Deposited", when a receipt line pays the bill
    // whose number is the control's text.
    bool FindRECEIPTEXIST(forms::Control &DEPOSITENUMBER);
    // Writes a line of receipt SN_ for each line of the bill, in line order, with the
    // payment details of the controls and the cheque date as typed. The lines are
    // stored all together or, on a failure (which goes on to the caller), not at all.
    void InsertintoDeposit(std::int16_t BILLNUMBER, forms::Control &DATEOFDEPOSITE,
                           forms::Control &CHEQUEORCASH, forms::Control &CHEQUEN,
                           forms::Control &BANKNAME, forms::Control &REMARK,
                           forms::Control &CHEQUEDATE);
    // The next receipt number, into DepositNumber and SN_; 1 for the first receipt.
    // Past 32767 Overflow goes to the caller and both stay as they were.
    void GETLASTRECEIPT(std::int16_t &DepositNumber);
    // As InsertintoDeposit, then every receipt line of the bill carries the words of
    // the bill's total with its outstanding balance, rounded to rupees (kept in
    // FEEAMOUNT_); a total not above 0 (a member in credit) carries no words.
    void InsertintoDepositNEW(std::int16_t BILLNUMBER, forms::Control &DATEOFDEPOSITE,
                              forms::Control &CHEQUEORCASH, forms::Control &CHEQUEN,
                              forms::Control &BANKNAME, forms::Control &REMARK,
                              forms::Control &CHEQUEDATE);
    // Every line of receipt SNx carries the words of the receipt's total in rupees, or
    // none when that total is not above 0.
    void InsertMoneyInWord(std::int16_t SNx);
    // The next receipt number; 1 on any failure but Overflow.
    std::int16_t FINDLAST();
    // The same on the shared connection, as the carry-forward writes.
    std::int16_t FINDLASTFORLASTYEAR();
    // Copies the payment details from the controls; the spares become "-", 0 and
    // today. Gives true, after showing why under "ENTRY ERROR", when a control fails.
    bool AssignToVariable(forms::Control &SN, forms::Control &DATEOFDEPOSITE,
                          forms::Control &CHEQUEORCASH, forms::Control &CHEQUEN,
                          forms::Control &BANKNAME, forms::Control &REMARK);
    // Shows the line in the fourteen controls, skipping a control that fails; always
    // false, as every copy back gives.
    bool AssigntToOBJECT(forms::Control &DATEOFDEPOSITE, forms::Control &BILLNUMBER,
                         forms::Control &BILLDATE, forms::Control &BILLMONTH,
                         forms::Control &BILLYEAR, forms::Control &MEMBERNUMBER,
                         forms::Control &MEMBERNAME, forms::Control &FLATNUMBER,
                         forms::Control &FEETYPE, forms::Control &FEEAMOUNT,
                         forms::Control &CHEQUEORCASH, forms::Control &CHEQUEN,
                         forms::Control &BANKNAME, forms::Control &REMARK);
    // Loads the bill and payment of the first line of receipt SNx.
    bool FindDETAILSOFDEPOSIT(std::int16_t SNx);
    // Prepares a line that pays the first line of bill SNx.
    bool FindDETAILSOFBILL(std::int16_t SNx);
    // Stores the line under the next receipt number ("ENTERED"); SN_ stays.
    bool InsertIntoDETAILSOFDEPOSITE();
    bool DELETEDETAILSOFDEPOSITE(std::int16_t SNx);
    std::int16_t FINDLASTwithstart();
    // Every receipt number, highest first, the first selected.
    void FillDETAILSOFDEPOSITENum(forms::Control &CMB);
    // The amount of the charge type named by the control's text; 0 when there is none.
    double FindDEPOSITEVALUE(forms::Control &TYPEOFDEPOSITE);
    void FillTypesofDeposit(forms::Control &CMB);
    // The charge types whose DURATIONOFDEPOSITE is 1, A to Z, into a list box; nothing
    // selected. A failure goes to the caller.
    void FillTypesofCHARGES(forms::Control &Lst);
    // The charge types assigned to the member whose number is MEMBERNUM's text.
    void FillTypesofCHARGESAsAssigned(forms::Control &Lst, forms::Control &MEMBERNUM);
    void FillTypesofCHARGESAll(forms::Control &Lst);
    // Shows the duration and amount of the charge type named by the first control.
    bool FindDEPOSITEDATA(forms::Control &TYPEOFDEPOSITE, forms::Control &DURATIONOFDEPOSITE,
                          forms::Control &DEPOSITEVALUE);
    double FindDEPOSITEVALUEFORLST(const QString &TYPEOFDEPOSITE);
    // The member's receipts from DTP1 to DTP2, both included; 0 for none or a failure.
    double FindDepositAmountOfMember(forms::Control &Membernumberx, const QDate &DTP1,
                                     const QDate &DTP2);
    // Writes the member's bills (but bill BillN) minus receipts from DTP1 to DTP2 onto
    // every line of bill BillN. When a sum cannot be read the bill keeps its balance.
    double GetBalanceOfMemberAndUpdate(std::int16_t BillN, forms::Control &Membernumberx,
                                       const QDate &DTP1, const QDate &DTP2);
    // Writes DueAmount onto every line of bill BillN; a failure is shown.
    bool UpdateOutStandingAount(std::int16_t BillN, double DueAmount);
    // Adds the member's unpaid bills numbered below CMBBILL's to receipt SN_, with the
    // same payment details, all together or none of them; CMBBILL ends on the last.
    void DepositOldBill(forms::Control &CMBMEMBERNUM, forms::Control &CMBBILL,
                        forms::Control &DTP, forms::Control &CmbBy, forms::Control &txtcheque,
                        forms::Control &txtbank, forms::Control &TXTREMARK,
                        forms::Control &CHEQUEDATEE);
    // The bill that receipt DepositNumber pays; 0 for an advance, no receipt or a failure.
    std::int16_t FindBILLNUMBER(std::int16_t DepositNumber);
    // One receipt per member holding the member's receipts minus bills of the period,
    // all members together or, on a failure (which goes on to the caller), none.
    void InsertLastYeareData();

private:
    DetailsOfDepositeRecord &line() { return *this; }
    BILLCLASS &bill();
    QString lineInsert(std::int16_t receipt, const QString &chequeDate) const;
    void insertBillLines(std::int16_t BILLNUMBER, const QString &order,
                         forms::Control &DATEOFDEPOSITE, forms::Control &CHEQUEORCASH,
                         forms::Control &CHEQUEN, forms::Control &BANKNAME,
                         forms::Control &REMARK, forms::Control &CHEQUEDATE);
    QString amountInWords(double rupees) const;
    void listFirstColumn(forms::Control &Lst, const QString &sql);
    void carryForward(const rt::Variant &member);
    static double paidSum(forms::Control &Membernumberx, const QDate &from, const QDate &to);

    rt::OnFirstUse<BILLCLASS> bill_;
    CommonClass common_;
    CalculateClass calculate_;
    DataAccess db_{common_, common_.str};
};
