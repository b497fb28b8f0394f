#pragma once

#include "data/CommonClass.h"
#include "data/DataAccess.h"
#include "platform/runtime/Variant.h"
#include "society/BankRecord.h"

#include <QString>
#include <cstdint>

namespace forms {
class Control;
}

// The society's bank book (BANK) and the society's money figures worked out from its
// other tables. The object holds one bank-book entry at a time in its fields. Every
// statement runs on the shared connection, which is opened first when it is closed.
class BANKCLASS : public BankRecord {
public:
    BANKCLASS() = default;
    BANKCLASS(const BANKCLASS &) = delete;
    BANKCLASS &operator=(const BANKCLASS &) = delete;

    // Copies an entry from the controls (SN is not read; the date from DATEOFENTRY's
    // Value, the rest from Text). Gives true, after showing why under "ENTRY ERROR",
    // when a control fails.
    bool AssignToVariable(forms::Control &SN, forms::Control &BANKNAME,
                          forms::Control &BANKBRANCH, forms::Control &ACCOUNTNUMBER,
                          forms::Control &ACCOUNTHOLDER, forms::Control &DATEOFENTRY,
                          forms::Control &Amount, forms::Control &AMOUNTINWORD,
                          forms::Control &CHEQUEORCASH, forms::Control &ChequeNumber,
                          forms::Control &CHEQUEDATE, forms::Control &CHEQUEBANKNAME,
                          forms::Control &CHEQUERECEIVEDFROM, forms::Control &DEPOSITEDBY,
                          forms::Control &REMARK);
    // Shows the entry in the same controls (not SN), skipping a control that fails.
    bool AssigntToOBJECT(forms::Control &SN, forms::Control &BANKNAME,
                         forms::Control &BANKBRANCH, forms::Control &ACCOUNTNUMBER,
                         forms::Control &ACCOUNTHOLDER, forms::Control &DATEOFENTRY,
                         forms::Control &Amount, forms::Control &AMOUNTINWORD,
                         forms::Control &CHEQUEORCASH, forms::Control &ChequeNumber,
                         forms::Control &CHEQUEDATE, forms::Control &CHEQUEBANKNAME,
                         forms::Control &CHEQUERECEIVEDFROM, forms::Control &DEPOSITEDBY,
                         forms::Control &REMARK);
    // The next serial of the bank book; 1 on any failure.
    std::int16_t FINDLAST();
    // Stores the entry under the next serial (SN_ is not read) and says "ENTERED".
    bool InsertIntoBANK();
    bool DELETEBANKDetail(std::int16_t SNx);
    std::int16_t FINDLASTwithstart();
    // Loads entry SN; a missing entry or a Null says why and leaves the fields as they were.
    bool FindBANKDETAIL(std::int16_t SN);
    // The society's accounts (BANKDETAIL) and advance givers (RemAdvance), A to Z, and
    // the bank-book serials, highest first; the first item selected.
    void FillBANKNAME(forms::Control &CMB);
    void FillBANKBRANCH(forms::Control &CMB);
    void FillACCOUNTNUMBER(forms::Control &CMB);
    void FillACCOUNTHOLDER(forms::Control &CMB);
    void FillName(forms::Control &CMB);
    void FillBANKNUMBER(forms::Control &CMB);

    // The society's sums; each is 0 when there is nothing to sum or the query fails.
    // Paid into the bank, to the paisa.
    double FINDBANKBALANCE();
    // Every receipt line.
    double FINDTOTALDEPOSITBALANCE();
    double FindTotalItemValue();
    // The credit entries of the expenditure, to the rupee.
    double FindTotalCreditEXPENDITURE();
    double FINDExpenditure();
    // Advance money and receipts less the bank balance, the items and the expenditure.
    double FINDCashinHand();
    // The credit entries of the module's period.
    double FINDCREDITToprovidemoney();
    // Receipt lines against no bill, of a flat, other than the sinking fund.
    double FINDCREDITTAdvanceMoney();
    // Removes every entry of the cheque number ChequeNumberx's text, silently.
    bool DELETEChequeNumber(forms::Control &ChequeNumberx);
    // Receipt lines against a bill dated from DateFrom to DateTo, both days included.
    double FINDDEPOSITBymemberBill(forms::Control &DateFrom, forms::Control &DateTo);

private:
    BankRecord &entry() { return *this; }
    // True, after saying so, when the bank book already holds the cheque number.
    bool FINDChequeAlreadyDeposited(const QString &chequeNumber);

    void fill(forms::Control &CMB, const QString &sql, const QString &column);
    void fillDistinct(forms::Control &CMB, const QString &table, const QString &column);
    double sum(const QString &sql, ado::Recordset &recordset);
    double sum(const QString &sql) { return sum(sql, common_.Rs); }

    CommonClass common_;
    DataAccess db_{common_, common_.str};
};
