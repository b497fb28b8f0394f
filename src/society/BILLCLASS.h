#pragma once

#include "data/CommonClass.h"
#include "data/DataAccess.h"
#include "platform/runtime/OnFirstUse.h"
#include "platform/runtime/Variant.h"
#include "society/BillxRecord.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

class DEPOSITCLASS;

namespace forms {
class Control;
class DataGrid;
}

// The society's bill lines (BILLX). The object holds one line at a time in its fields;
// a bill is the set of lines that share one bill number, numbered from 1.
class BILLCLASS : public BillxRecord {
public:
    BILLCLASS();
    ~BILLCLASS();
    BILLCLASS(const BILLCLASS &) = delete;
    BILLCLASS &operator=(const BILLCLASS &) = delete;

    // Copies a line from the controls; amounts are rounded to 2 decimals. Gives true,
    // after showing why under "ENTRY ERROR", when a control fails.
    bool AssignToVariable(forms::Control &SN, forms::Control &DATEX, forms::Control &BILLMONTH,
                          forms::Control &BILLYEAR, forms::Control &MEMBERNUMBER,
                          forms::Control &MEMBERNAME, forms::Control &FLATNUMBER,
                          forms::Control &WING, forms::Control &FEETYPE,
                          forms::Control &FEEAMOUNT, forms::Control &DueAmount,
                          forms::Control &REMARK);
    // Shows the line in the controls (not the wing), skipping a control that fails.
    bool AssigntToOBJECT(forms::Control &SN, forms::Control &DATEX, forms::Control &BILLMONTH,
                         forms::Control &BILLYEAR, forms::Control &MEMBERNUMBER,
                         forms::Control &MEMBERNAME, forms::Control &FLATNUMBER,
                         forms::Control &FEETYPE, forms::Control &FEEAMOUNT,
                         forms::Control &DueAmount, forms::Control &REMARK);
    // The next bill number; 1 on any failure.
    std::int16_t FINDLAST();
    std::int16_t FINDLASTWITHINCREMENT();
    // The next line number of bill SN_; 1 for a bill with no line.
    std::int16_t FINDLASTSERIALNUMBER();
    bool FINDBILLEXIXST(const rt::Variant &sn);
    bool FINDBILLAlreadymade(std::int16_t BILLMONTHX, std::int16_t BILLYEARX,
                             std::int16_t Membernumberx);
    bool FINDBILLAlreadymadeFORAuto(std::int16_t BILLMONTHX, std::int16_t BILLYEARX,
                                    std::int16_t Membernumberx, const QString &FEETYPE);
    // Stores the line in bill SN_ under the bill's next line number.
    bool InsertIntoBILL();
    bool DELETEBILLDetail(std::int16_t SNx);
    bool DELETEBILLSERIAL(std::int16_t BILLNUMBER, std::int16_t BillSerial);
    std::int16_t FINDLASTwithstart();
    // Loads the first line of bill SN, all but its line number.
    bool FindBILL(std::int16_t SN);
    bool FindBILLNAMEFLAT(forms::Control &SN, forms::Control &DATEX, forms::Control &MEMBERNUMBER,
                          forms::Control &MEMBERNAME, forms::Control &FLATNUMBER);
    // Every bill number, newest first, the newest selected.
    void FillBILLNum(forms::Control &CMB);
    // The lines of bill SN's text in the grid: SERIAL, CHARGE_TYPE, AMOUNT.
    void ShowBILLData(forms::DataGrid &DG, forms::Control &SN);
    // The member's billed total over the module's period (its own dates are not read);
    // 0 when there is none.
    double FindBILLAmountOfMember(forms::Control &Membernumberx, const QDate &DTP1,
                                  const QDate &DTP2);
    // The same from DTP1 to DTP2, both included, leaving bill BillN out.
    double FindBILLAmountOfMemberExceptThisBill(std::int16_t BillN,
                                                forms::Control &Membernumberx,
                                                const QDate &DTP1, const QDate &DTP2);
    // Writes DueAmount onto every line of bill BillN; a failure is shown. Closes the
    // shared connection.
    bool UpdateOutStandingAount(std::int16_t BillN, double DueAmount);
    // Writes the member's receipts minus bills of the period onto every line of bill
    // BillN. Closes the shared connection.
    bool UpdateAdvanceAmount(forms::Control &Membernumberx, std::int16_t BillN);
    // The late charge, on the member's last bill up to SNx. False when that bill is
    // paid or carries a "LATE CHARGE" line already. Otherwise True when the member's
    // receipts of the period exceed the unpaid bills up to SNx; else False, after adding
    // a "LATE CHARGE" line to the bill when DATEX_ is later than the day its lines were
    // entered and it has no "LATE FEE" line. A failure gives False.
    bool CHECKLASTBILLNumDeposited(forms::Control &SNx, forms::Control &MEMBERNUM);
    // Prepares a "LATE CHARGE" line of bill SN with the late fee of bill SN + 1.
    bool AssignToVariableWithLateFee(std::int16_t SN);
    // The total of bill SNx + 1 times the late-fee percentage; a failure goes to the
    // caller (Overflow for 32767). Closes the shared connection.
    double GETLATEFEE(std::int16_t SNx);
    // The member's highest bill number; 0 when there is none.
    std::int16_t GetLastBillOfMember(forms::Control &MEMBERNUM);

    // The member's billed total from `from` to `to`, both included, leaving out bill
    // `exceptBill`; 0 when there is none. A statement that fails raises.
    static double billedSum(forms::Control &Membernumberx, const QDate &from, const QDate &to,
                            std::optional<std::int16_t> exceptBill);
    // "UPDATE Billx SET DUEAMOUNT = amount WHERE SN = bill"
    static QString dueAmountUpdate(std::int16_t BillN, double DueAmount);

private:
    BillxRecord &line() { return *this; }
    DEPOSITCLASS &deposit();
    bool billLineExists(const QString &sql);
    static double lateFeePercentage();
    void addLateCharge(std::int16_t bill, forms::Control &MEMBERNUM, double unpaid);

    CommonClass common_;
    DataAccess db_{common_, common_.str};
    rt::OnFirstUse<DEPOSITCLASS> deposit_;
};
