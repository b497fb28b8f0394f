#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QString>

namespace report {

// The run-time errors a report run raises of its own; database errors pass through as
// the data-access layer raised them.
class ReportError {
public:
    static rt::RuntimeError fileNotFound(const QString &path);
    // A report file that is no report: unreadable, not JSON, or missing what a run needs.
    static rt::RuntimeError badReportFile(const QString &path, const QString &problem);
    // A selection formula or formula entry the engine cannot read.
    static rt::RuntimeError badFormula(const QString &formula, const QString &problem);
    static rt::RuntimeError unknownField(const QString &field);
    // A report prints an amount in words, but the program registered no words.
    static rt::RuntimeError noAmountInWords();
};

} // namespace report
