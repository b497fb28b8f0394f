#pragma once

#include "data/CommonClass.h"
#include "data/DataAccess.h"
#include "platform/runtime/OnFirstUse.h"

#include <QString>
#include <cstdint>
#include <memory>

class QWidget;

namespace forms {
class Control;
}

// The one class through which the cheque windows reach the register and the layout
// profiles. Statements run on the shared connection through this instance's own
// recordset.
class CHEQUECLASS {
public:
    // Six members answer true on one road each: AssignToVariable and AssignToVariableDATA
    // when they showed an error an earlier statement left pending (the cheque entry then
    // stores nothing), InsertIntoCheque when it stored the cheque, FindChequeDETAIL and
    // FindChequeDETAILAsPerChNo when the cheque became the current one, and
    // FindChequeDeposited when the cheque was already deposited. The other Boolean results
    // are false on every road, deliberately: no caller reads them, and the members keep the
    // signatures callers rely on.

    // Layout profiles.
    bool AssignToVariableDATA(forms::Control &name, forms::Control &acPayLeft,
                              forms::Control &acPayTop, forms::Control &dateLeft,
                              forms::Control &dateTop, forms::Control &nameLeft,
                              forms::Control &nameTop, forms::Control &rupeeWordLeft,
                              forms::Control &rupeeWordTop, forms::Control &rupeeNumberLeft,
                              forms::Control &rupeeNumberTop, forms::Control &acLeft,
                              forms::Control &acTop, forms::Control &signLeft,
                              forms::Control &signTop);
    bool AssigntToOBJECTDATA(forms::Control &acPayLeft, forms::Control &acPayTop,
                             forms::Control &dateLeft, forms::Control &dateTop,
                             forms::Control &nameLeft, forms::Control &nameTop,
                             forms::Control &rupeeWordLeft, forms::Control &rupeeWordTop,
                             forms::Control &rupeeNumberLeft, forms::Control &rupeeNumberTop,
                             forms::Control &acLeft, forms::Control &acTop,
                             forms::Control &signLeft, forms::Control &signTop);
    // As FINDLAST, for the profiles.
    std::int16_t FINDLASTDATA();
    bool InsertIntoDATAX();
    bool DELETEDataDetail(const QString &Namexx);
    bool FindDataDETAIL(const QString &custemname);
    void FillDataName(forms::Control &CMB);

    // The cheque register.
    bool AssignToVariable(forms::Control &serial, forms::Control &bankName,
                          forms::Control &bankBranch, forms::Control &accountNumber,
                          forms::Control &accountHolder, forms::Control &dateOfEntry,
                          forms::Control &amount, forms::Control &amountInWords,
                          forms::Control &chequeNumber, forms::Control &chequeDate,
                          forms::Control &issuedTo, forms::Control &issuedBy,
                          forms::Control &remark, forms::Control &acPayOnly);
    bool AssigntToOBJECT(forms::Control &serial, forms::Control &bankName,
                         forms::Control &bankBranch, forms::Control &accountNumber,
                         forms::Control &accountHolder, forms::Control &dateOfEntry,
                         forms::Control &amount, forms::Control &amountInWords,
                         forms::Control &chequeNumber, forms::Control &chequeDate,
                         forms::Control &issuedTo, forms::Control &issuedBy,
                         forms::Control &remark, forms::Control &acPayOnly);
    // The next serial, 1 for an empty register; raises Overflow past serial 32767.
    std::int16_t FINDLAST();
    // Stores ChequeRecord and says "ENTERED", or says "Duplicate Cheque No Entry" or why
    // the row was refused (the Overflow of a full register included). True when stored.
    bool InsertIntoCheque();
    // Deletes the BANK row of that serial, not a register row, deliberately: the system
    // does so, and register rows go through DELETEChequeNumber.
    bool DELETECHEQUETABLE(std::int16_t SNx);
    // The next serial of BANK, not of the register, deliberately, as the system reads it.
    std::int16_t FINDLASTwithstart();
    // Makes the cheque of that number the current one, or says why not and keeps the
    // current cheque. True when it is current now: printing a cheque the register does
    // not hold would put stale or empty values on a leaf.
    bool FindChequeDETAIL(double SN);
    bool FindChequeDETAILAsPerChNo(double SN);
    // Binds the query's rows to the grid named DG on the form FRM (a forms::DataGrid
    // found by object name); a form without such a grid raises error 438.
    void ShowData(const QString &str, QWidget &FRM, const QString &DG);
    void FillBANKNAME(forms::Control &CMB);
    void FillBANKBRANCH(forms::Control &CMB);
    void FillACCOUNTNUMBER(forms::Control &CMB);
    void FillACCOUNTHOLDER(forms::Control &CMB);
    void FillSN(forms::Control &CMB);
    void FillChequeNUMBER(forms::Control &CMB);
    bool DELETEChequeNumber(forms::Control &ChequeNumberx);

private:
    bool FindChequeDeposited(const QString &chequeNumber);
    CommonClass &common();
    // Statements run on the shared connection through this instance's recordset.
    DataAccess db();
    std::int16_t nextSerial(const QString &table);
    void fill(forms::Control &CMB, const QString &sql, const QString &columnName);

    rt::OnFirstUse<CommonClass> common_;
};
