#pragma once

#include "data/CommonClass.h"
#include "data/DataAccess.h"
#include "platform/runtime/Variant.h"
#include "society/MemberxRecord.h"

#include <QDate>
#include <QString>
#include <cstdint>

namespace forms {
class Control;
class DataGrid;
class Image;
}

// The society's register of members (Memberx) and the copies of member records kept in
// FlatHistory. The object holds one member at a time in its fields: the member that
// FindMember or FindMemberByName loaded last, whose serial in SN_ names the row that
// UpdateMember, UpdatePhotoAddress and DELETEMember act on.
class Kelvostran : public MemberxRecord {
public:
    Kelvostran() = default;
    Kelvostran(const Kelvostran &) = delete;
    Kelvostran &operator=(const Kelvostran &) = delete;

    QString MemeberName;
    QString ExpenditureName;
    // The statement text the members build and then run (not the lookups').
    QString str;
    std::int16_t Num = 0;

    // Lookups. Each fill clears the list and adds one column of its query's rows; all
    // but FillMemberName then select the first item. A failure ends a fill silently.
    // Current members (no leaving date) by name, each name once, A to Z; none selected.
    void FillMemberName(forms::Control &CMB);
    // Current members by number, highest first.
    void FillMemberNum(forms::Control &CMB);
    // The members that have charge types assigned.
    void FillMemberNumAsAssigned(forms::Control &CMB);
    // The bills that no receipt line names (a line against no bill pays none).
    void FillBILLNumNotDeposited(forms::Control &CMB);
    void FillReceiptNumber(forms::Control &CMB);
    void FillBillNumber(forms::Control &CMB);
    // The unpaid bills in the grid: Bill_No, Member, Flat_No. The grid keeps rows of its
    // own, which later statements of this object leave as they are.
    void FillBILLNumNotDepositedDATA(forms::DataGrid &DG);
    // The member's receipts (RECIEPT) and billed amounts (BILLX) from DateFrom to DateTo,
    // both days included; a period with none says why and gives 0.
    double FindDepositAsPerDate(const QString &MEMBERNAME, const QDate &DateFrom,
                                const QDate &DateTo);
    double FindRequiredAsPerDate(const QString &MEMBERNAME, const QDate &DateFrom,
                                 const QDate &DateTo);

    // Sets the record from plain values, with no photo ("-"), 0 in the spare numbers
    // and the zero date in the spare dates.
    bool Assignx(const QString &NAMEX, const QString &WING, const QString &ACCO,
                 const QString &GUARDIAN, const QString &GUARDIANADDRESS, double MONTHLYINCOME,
                 const QString &OCCUPATION, const QDate &DOB, const QString &PREADDRESS,
                 const QString &PRECITY, const QString &PMTADDRESS, const QString &PMTCITY,
                 const QString &PHONE, const QDate &DOFJOINING, const QString &DOFLEAVING,
                 const QString &NOMINEENAME, const QString &NOMINEEADDRESS,
                 std::int16_t NOMINEEAGE, const QString &NOMINEERELATION,
                 const QDate &DATEOFENTRY);
    // Shows SN_ .. DATEOFENTRY_ in the 21 controls (dates as Value); stops silently at
    // the first control that fails.
    bool AssignToObject(forms::Control &SN, forms::Control &NAMEX, forms::Control &WING,
                        forms::Control &ACCO, forms::Control &GUARDIAN,
                        forms::Control &GUARDIANADDRESS, forms::Control &MONTHLYINCOME,
                        forms::Control &OCCUPATION, forms::Control &DOB,
                        forms::Control &PREADDRESS, forms::Control &PRECITY,
                        forms::Control &PMTADDRESS, forms::Control &PMTCITY,
                        forms::Control &PHONE, forms::Control &DOFJOINING,
                        forms::Control &DOFLEAVING, forms::Control &NOMINEENAME,
                        forms::Control &NOMINEEADDRESS, forms::Control &NOMINEEAGE,
                        forms::Control &NOMINEERELATION, forms::Control &DATEOFENTRY);
    // Stores the record under the next member serial ("Registered"); a second member
    // of one flat and joining date says "Already exists", then why.
    bool InsertIntoMember();
    // The next member serial on Con as the caller left it; 1 on any failure.
    std::int16_t FINDLAST();
    // The same after connecting; 0 on failure (an empty register).
    std::int16_t FINDLASTwithstart();
    bool FindMember(std::int16_t SN);
    bool FindMemberNAME(std::int16_t SN, forms::Control &MEMBERNAME, forms::Control &WING,
                        forms::Control &FLAT);
    QString FindMemberNAMEONLY(std::int16_t SN);
    bool FindMemberByName(const QString &NameofMember);
    bool FindMemberEXIST(const QString &NameofMember);
    // True, after saying so, when the flat has a member joined on the picker's date.
    bool FindFLATAlloted(const QString &WINGX, const QString &ACCOx,
                         forms::Control &DOFJOININGX);
    // These two, and DELETEMember, act on member SN_, whatever their SN argument.
    bool UpdateMember(std::int16_t SN);
    bool UpdatePhotoAddress(std::int16_t SN, const QString &PHOTOADDRESS);
    // Shows the photo of the member whose serial is PhotoNumber's text; empty for "-",
    // no member, a missing file or a file that is not a picture.
    rt::Variant GetPhoto(forms::Control &PhotoNumber, forms::Image &IMG);
    // Reads the photo path; there is no photo window to show it in, so it ends there,
    // leaving Con open.
    rt::Variant GetPhotoOnfORM(forms::Control &PhotoNumber, forms::Image &IMG);
    bool DELETEMember(std::int16_t SN);
    // Copies the record into FlatHistory under a serial of its own, silently.
    bool InsertIntoFlatHistory();
    std::int16_t FINDLASTFlatHistory();

    // The member statement (TYMEMBER): one row for every bill line, or every receipt
    // line, of member MEMBERNUM's text from DTPfrom to DTPto (both days included), in
    // date order, each under its own serial. Silent; a line that cannot be written is
    // passed over, but a failure after which the engine undoes the whole write (a full
    // disk) or a commit that fails leaves TYMEMBER as it was before the call.
    std::int16_t GetBillDetailOfMember(forms::Control &MEMBERNUM, forms::Control &DTPfrom,
                                       forms::Control &DTPto);
    std::int16_t GetDepositDetailOfMember(forms::Control &MEMBERNUM, forms::Control &DTPfrom,
                                          forms::Control &DTPto);
    // The next statement serial; 1 on any failure.
    std::int16_t FINDLASTTYMEMBER();
    // Empties the statement of every member.
    std::int16_t DelTYMEMBER();
    // Assigns the charge type selected in Lst (empty when none is) to the member; a
    // failure says why.
    std::int16_t InsertIntoAssign(forms::Control &MEMBERNUM, forms::Control &Lst);
    // Removes every charge type of the member, silently.
    rt::Variant DelAssigncharges(forms::Control &MEMBERNUM);

private:
    MemberxRecord &member() { return *this; }
    QString insertStatement(const QString &table, std::int16_t serial) const;
    bool loadMember(const QString &sql);
    void rewriteMember(const QString &statement, const QString &done);
    ado::Recordset &photoRow(forms::Control &PhotoNumber);
    double memberPeriodSum(const QString &sumOver, const QString &MEMBERNAME,
                           const QDate &DateFrom, const QDate &DateTo);
    struct StatementSource;
    void writeStatementRows(const StatementSource &source, forms::Control &MEMBERNUM,
                            forms::Control &DTPfrom, forms::Control &DTPto);
    void writeStatementRow(const StatementSource &source, const QString &member,
                           const ado::Recordset &lines);

    CommonClass common_;
    DataAccess db_{common_, str};
    // Statements whose text stays out of str: the lookups hand theirs straight to Rs, the
    // photo reads put theirs into the data-access object's own text.
    DataAccess direct_{common_, common_.str};
};
