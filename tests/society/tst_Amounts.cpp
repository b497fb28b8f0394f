#include "society/BANKCLASS.h"
#include "society/BILLCLASS.h"
#include "society/DEPOSITCLASS.h"
#include "society/Kelvostran.h"
#include "society/SocietyTest.h"

#include <cmath>
#include <functional>
#include <limits>

namespace {

class AmountsTest : public SocietyTest {};

// An amount whose paise are not finite never reaches the register: each class stores
// nothing and shows Overflow as it shows its other failures.
TEST_F(AmountsTest, AnAmountNotFiniteInPaiseIsRefusedWithOverflowAndNothingIsStored)
{
    struct Case {
        const char *name;
        std::function<void(double)> store;
        const char *table;
    };
    const Case cases[] = {
        {"a bill amount",
         [](double amount) {
             BILLCLASS bill;
             bill.FEEAMOUNT_ = amount;
             bill.InsertIntoBILL();
         },
         "BILLX"},
        {"a receipt",
         [](double amount) {
             DEPOSITCLASS receipt;
             receipt.FEEAMOUNT_ = amount;
             receipt.InsertIntoDETAILSOFDEPOSITE();
         },
         "DETAILSOFDEPOSITE"},
        {"a member's income",
         [](double amount) {
             Kelvostran member;
             member.Assignx("RAO", "A", "101", "-", "-", amount, "-", QDate(1980, 1, 2), "-", "-",
                            "-", "-", "-", QDate(2024, 4, 1), "-", "-", "-", 30, "-",
                            QDate(2024, 4, 2));
             member.InsertIntoMember();
         },
         "Memberx"},
        {"a bank entry",
         [](double amount) {
             BANKCLASS bank;
             bank.AMOUNT_ = amount;
             bank.InsertIntoBANK();
         },
         "BANK"},
    };
    const double largest = std::numeric_limits<double>::max();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const Case &c : cases) {
        for (const double amount : {1e308, largest, infinity, -infinity, std::nan("")}) {
            boxes().clear();
            c.store(amount);
            EXPECT_EQ(boxTexts(), QStringList{"Overflow"}) << c.name << ' ' << amount;
            EXPECT_EQ(scalarRaw(QStringLiteral("select count(*) from %1").arg(c.table)), "0")
                << c.name << ' ' << amount;
        }
    }
}

} // namespace
