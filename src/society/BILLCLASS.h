#pragma once

#include "data/CommonClass.h"
#include "data/DataAccess.h"
#include "platform/runtime/Variant.h"
#include "society/BillxRecord.h"

#include <QDate>
#include <QString>
#include <cstdint>

namespace forms {
class Control;
class DataGrid;
}

// The society's bill lines (BILLX). The object holds one line at a time in its fields;
// a bill is the set of lines that share one bill number, numbered from 1.
class BILLCLASS : public BillxRecord {
public:
    BILLCLASS() = default;
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

private:
    BillxRecord &line() { return *this; }
    bool billLineExists(const QString &sql);
    static double memberSum(forms::Control &Membernumberx, const QDate &from, const QDate &to,
                            const QString &exceptBill);

    CommonClass common_;
    DataAccess db_{common_, common_.str};
};
