#pragma once

#include "society/SocietyTest.h"

#include <QDate>
#include <QString>

// A society with rows of bills, receipts and members stored straight into the file, for
// the classes that keep the members' accounts.
class AccountTest : public SocietyTest {
protected:
    // One bill line; the day its lines were entered is its date unless given.
    void storeBillLine(int bill, int line, int member, const QDate &date, const QString &feeType,
                       double amount, const QDate &entered = QDate())
    {
        execRaw(QStringLiteral("insert into BILLX values(%1,'%2',%3,%4,%5,%6,'MEMBER %6','F%6','%7',"
                               "%8,0,'-','A','-','LINE %3','-',0,0,0,0,'%9','%2')")
                    .arg(bill)
                    .arg(date.toString(Qt::ISODate))
                    .arg(line)
                    .arg(date.month())
                    .arg(date.year())
                    .arg(member)
                    .arg(feeType)
                    .arg(amount)
                    .arg((entered.isValid() ? entered : date).toString(Qt::ISODate)));
    }

    // One receipt line paying a bill (0: a payment not against a bill).
    void storeReceiptLine(int receipt, int bill, int member, const QDate &date, double amount)
    {
        execRaw(QStringLiteral("insert into DETAILSOFDEPOSITE values(%1,'%2',%3,'%2',1,1,2026,%4,"
                               "'MEMBER %4','F%4','MAINTENANCE',%5,'CASH','-','-','-','-','-','-',"
                               "'-',0,0,0,0,'%2','%2')")
                    .arg(receipt)
                    .arg(date.toString(Qt::ISODate))
                    .arg(bill)
                    .arg(member)
                    .arg(amount));
    }

    void storeMember(int sn, const QString &name, const QString &flat)
    {
        execRaw(QStringLiteral("insert into Memberx (SN, NAMEX, WING, ACCO, DOFLEAVING) "
                               "values(%1,'%2','A','%3','-')")
                    .arg(sn)
                    .arg(QString(name).replace("'", "''"), flat));
    }
};
