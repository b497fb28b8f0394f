#pragma once

#include "cheque/CalculateClass.h"
#include "platform/report/ReportEngineControl.h"
#include "support/ProgramFolderTest.h"

// A society's register database with a few members, bills, receipts, expenditure, bank
// entries and the tables only the reports read, and every report file in the program
// folder; runs go to a PDF file in that folder, sums in words as the program writes them.
class SocietyReportTest : public ProgramFolderTest {
protected:
    void SetUp() override;

    QString pdfPath() const { return programFolder() + QStringLiteral("/report.pdf"); }

    report::ReportEngineControl control{CalculateClass::SumInWords};

private:
    void copyReportFiles();
    void seedMembers();
    void seedBillsAndReceipts();
    void seedAccounts();
    void seedReportOnlyTables();
};

// A text file checked in beside the tests, for comparison with a printed report.
QString referenceText(const QString &name);
