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
    // The statement text the members build and then run.
    QString str;
    std::int16_t Num = 0;

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
    // These three act on member SN_, whatever their SN argument.
    bool UpdateMember(std::int16_t SN);
    bool UpdatePhotoAddress(std::int16_t SN, const QString &PHOTOADDRESS);
    bool DELETEMember(std::int16_t SN);
    // Shows the photo of the member whose serial is PhotoNumber's text; empty for "-",
    // no member, a missing file or a file that is not a picture.
    rt::Variant GetPhoto(forms::Control &PhotoNumber, forms::Image &IMG);
    // Reads the photo path; there is no photo window to show it in, so it ends there,
    // leaving Con open.
    rt::Variant GetPhotoOnfORM(forms::Control &PhotoNumber, forms::Image &IMG);
    // Copies the record into FlatHistory under a serial of its own, silently.
    bool InsertIntoFlatHistory();
    std::int16_t FINDLASTFlatHistory();

private:
    MemberxRecord &member() { return *this; }
    QString insertStatement(const QString &table, std::int16_t serial) const;
    bool loadMember(const QString &sql);
    void rewriteMember(const QString &statement, const QString &done);
    ado::Recordset &photoRow(forms::Control &PhotoNumber);

    CommonClass common_;
    DataAccess db_{common_, str};
};
