#include "platform/report/ReportError.h"

namespace report {

namespace {

enum ReportErrorNumber : long {
    errReportFileNotFound = 20500,
    errBadReportFile = 20501,
    errBadFormula = 20515,
    errUnknownField = 20516,
    errNoAmountInWords = 20518,
};

} // namespace

rt::RuntimeError ReportError::fileNotFound(const QString &path)
{
    return rt::RuntimeError(errReportFileNotFound,
                            QStringLiteral("Report file not found: %1").arg(path));
}

rt::RuntimeError ReportError::badReportFile(const QString &path, const QString &problem)
{
    return rt::RuntimeError(errBadReportFile,
                            QStringLiteral("The report file %1 cannot be used: %2.").arg(path, problem));
}

rt::RuntimeError ReportError::badFormula(const QString &formula, const QString &problem)
{
    return rt::RuntimeError(errBadFormula,
                            QStringLiteral("Error in formula \"%1\": %2.").arg(formula, problem));
}

rt::RuntimeError ReportError::unknownField(const QString &field)
{
    return rt::RuntimeError(errUnknownField,
                            QStringLiteral("This field name is not known: %1").arg(field));
}

rt::RuntimeError ReportError::noAmountInWords()
{
    return rt::RuntimeError(errNoAmountInWords,
                            QStringLiteral("This report writes amounts in words, but no words are set up"));
}

} // namespace report
