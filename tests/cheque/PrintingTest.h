#pragma once

#include "cheque/CalculateClass.h"
#include "cheque/ChequeTestPrinting.h"
#include "platform/forms/Twips.h"
#include "platform/printer/Printer.h"
#include "support/PrintedPage.h"
#include "support/ProgramFolderTest.h"

#include <QFontMetricsF>
#include <QStringList>
#include <array>
#include <gtest/gtest.h>

// A program folder whose prints go to PDF files under Printed/, with cheques and
// layout profiles stored as an earlier session left them.
class PrintingTest : public ProgramFolderTest {
protected:
    using Positions = std::array<int, 14>;

    // The positions of the design, as "Set Default" writes them.
    static constexpr Positions Defaults = {120,  120,  9960, 240,  3240, 720,  2520,
                                           1560, 9960, 1680, 1440, 2340, 5760, 3960};
    // A profile whose fields lie clear of every blanked caption of the face.
    static constexpr Positions Axis = {600,  300,  9000, 400,  3300, 700,  1800,
                                       1500, 8400, 2100, 1200, 2700, 5000, 4200};

    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        printer::Printer::setSystemPrinterIgnoredForTesting(true);
    }

    void storedCheque(double number, const QString &payee, const QString &acPayOnly = "YES",
                      double amount = 1500.5)
    {
        const int serial =
            scalarRaw(QStringLiteral("select count(*) from CHEQUETABLE")).toInt() + 1;
        execRaw(QStringLiteral("insert into CHEQUETABLE values(%1,'STATE BANK','FORT','00123',"
                               "'R. MEHTA','2024-03-09',%2,'ONE THOUSAND FIVE HUNDRED ONLY',%3,"
                               "'09/03/2024','%4','R. MEHTA','-','%5','-','-','-',0,0,0,0,"
                               "'2024-03-09','2024-03-09')")
                    .arg(serial)
                    .arg(amount)
                    .arg(number)
                    .arg(payee, acPayOnly));
    }

    void storedProfile(const QString &name, const Positions &positions)
    {
        const int serial = scalarRaw(QStringLiteral("select count(*) from DATAX")).toInt() + 1;
        QStringList values{QString::number(serial), QLatin1Char('\'') + name + QLatin1Char('\'')};
        for (int position : positions)
            values << QString::number(position);
        execRaw(QStringLiteral("insert into DATAX values(%1)").arg(values.join(QLatin1Char(','))));
    }

    // A stored cheque for an amount and its words, as the entry form writes them.
    void storedAmount(double number, const QString &amount)
    {
        storedCheque(number, QStringLiteral("ACME"));
        execRaw(QStringLiteral("update CHEQUETABLE set AMOUNT = %1, AMOUNTINWORD = '%2' "
                               "where CHEQUENUMBER = %3")
                    .arg(amount, CalculateClass().Calculate(amount))
                    .arg(number));
    }

    // The accepted amount whose words run widest: every group at its widest words.
    static QString widestWordsAmount()
    {
        const QFontMetricsF metrics(forms::formFont(QStringLiteral("MS Sans Serif"), 9.75, true));
        const auto width = [&](int value) {
            return metrics.horizontalAdvance(CalculateClass().Calculate(QString::number(value)));
        };
        const auto widest = [&](int highest) {
            int best = 1;
            for (int value = 2; value <= highest; ++value) {
                if (width(value) > width(best))
                    best = value;
            }
            return best;
        };
        const QString pair = QStringLiteral("%1").arg(widest(99), 2, 10, QLatin1Char('0'));
        return pair + pair + pair + QString::number(widest(9)) + pair;
    }

    // The one page printed since the test began.
    PrintedPage onlyPrint()
    {
        const QStringList files = printedFiles(programFolder());
        EXPECT_EQ(files.size(), 1) << files.join(' ').toStdString();
        return PrintedPage(files.value(0));
    }

    static QStringList textsOn(const PrintedPage &page)
    {
        QStringList texts;
        for (const PrintedText &text : page.texts())
            texts << text.text;
        texts.sort();
        return texts;
    }

    // The text stands on the page with its left edge within a twip and its top within a
    // point of the position.
    static void expectAt(const PrintedPage &page, const QString &text, int left, int top)
    {
        const std::optional<PrintedText> found = page.find(text);
        ASSERT_TRUE(found) << text.toStdString() << " not printed";
        EXPECT_NEAR(found->left, left, 1) << text.toStdString();
        EXPECT_NEAR(found->top, top, 20) << text.toStdString();
    }

    // The six texts of a stored cheque at a profile's positions.
    static void expectChequeAt(const PrintedPage &page, const Positions &p, const QString &payee)
    {
        expectAt(page, QStringLiteral("A/c Pay Only"), p[0], p[1]);
        expectAt(page, QStringLiteral("09/03/2024"), p[2], p[3]);
        expectAt(page, payee, p[4], p[5]);
        expectAt(page, QStringLiteral("ONE THOUSAND FIVE HUNDRED ONLY"), p[6], p[7]);
        expectAt(page, QStringLiteral("1500.5"), p[8], p[9]);
        expectAt(page, QStringLiteral("00123"), p[10], p[11]);
    }
};
