#include "support/ProgramFolderTest.h"

#include "cheque/ChequeRecordData.h"
#include "society/BankRecord.h"
#include "society/BillxRecord.h"
#include "society/DetailsOfDepositeRecord.h"
#include "society/MemberxRecord.h"
#include "society/TymemberRecord.h"

#include <utility>
#include <vector>

namespace {

using RecordColumnsTest = ProgramFolderTest;

// Inserts, updates, loaders and copies are all built from each record's column table,
// so each table must name the columns in the schema's order.
TEST_F(RecordColumnsTest, EveryRecordColumnTableFollowsItsTablesColumnOrder)
{
    const std::vector<std::pair<const char *, QStringList>> tables = {
        {"CHEQUETABLE", RecordColumns::names(ChequeRecordColumns)},
        {"Memberx", RecordColumns::names(MemberxColumns)},
        {"FlatHistory", RecordColumns::names(MemberxColumns)},
        {"TYMEMBER", RecordColumns::names(TYMEMBERColumns)},
        {"BANK", RecordColumns::names(BANKColumns)},
        {"BILLX", RecordColumns::names(BILLXColumns)},
        {"DETAILSOFDEPOSITE", RecordColumns::names(DETAILSOFDEPOSITEColumns)},
    };
    for (const auto &[table, names] : tables)
        EXPECT_EQ(rowsRaw(QStringLiteral("select group_concat(name, ',') from "
                                         "pragma_table_info('%1')")
                              .arg(QLatin1String(table))),
                  QStringList{names.join(',')})
            << table;
}

} // namespace
