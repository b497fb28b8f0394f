#pragma once

#include "platform/report/ReportControl.h"
#include "platform/runtime/RuntimeError.h"

#include <QStringList>
#include <optional>

// A report control that runs nothing: it records every property written, in order, as
// "Property = value" (Formulas with their slot, "Formulas(0) = H1 = ''"), and can be
// told to fail the next run.
class RecordingReportControl : public report::ReportControl {
public:
    void setReportFileName(const QString &fileName) override
    {
        record(QStringLiteral("ReportFileName"), fileName);
    }
    void setSelectionFormula(const QString &formula) override
    {
        record(QStringLiteral("SelectionFormula"), formula);
    }
    void setFormulas(std::int16_t slot, const QString &entry) override
    {
        record(QStringLiteral("Formulas(%1)").arg(slot), entry);
    }
    void setConnect(const QString &connectionString) override
    {
        record(QStringLiteral("Connect"), connectionString);
    }
    void setDestination(std::int32_t destination) override
    {
        record(QStringLiteral("Destination"), QString::number(destination));
    }
    void setWindowState(std::int32_t windowState) override
    {
        record(QStringLiteral("WindowState"), QString::number(windowState));
    }
    void setAction(std::int16_t action) override
    {
        record(QStringLiteral("Action"), QString::number(action));
        if (failure_) {
            const rt::RuntimeError failure = *failure_;
            failure_.reset();
            throw failure;
        }
    }

    // The next run raises this error, as the engine does for a run that fails.
    void failNextRun(const rt::RuntimeError &error) { failure_ = error; }

    const QStringList &writes() const { return writes_; }

private:
    void record(const QString &property, const QString &value)
    {
        writes_ << property + QStringLiteral(" = ") + value;
    }

    QStringList writes_;
    std::optional<rt::RuntimeError> failure_;
};
