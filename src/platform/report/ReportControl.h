#pragma once

#include <QString>
#include <cstdint>

namespace report {

// The report control as a launcher uses it: properties are written, never read back, and
// writing Action = 1 runs the report named by ReportFileName before the write returns. A
// failing run raises rt::RuntimeError with a description of what went wrong.
class ReportControl {
public:
    virtual ~ReportControl() = default;

    virtual void setReportFileName(const QString &fileName) = 0;
    // The row filter, in the report formula language ({TABLE.COLUMN} = 'text' and ...).
    virtual void setSelectionFormula(const QString &formula) = 0;
    // One formula entry per slot, written as: name = 'text'.
    virtual void setFormulas(std::int16_t slot, const QString &entry) = 0;
    // The database connection string for the run; empty means the report's own source.
    virtual void setConnect(const QString &connectionString) = 0;
    // Where a run goes: 0 the report window.
    virtual void setDestination(std::int32_t destination) = 0;
    // How the report window shows: 2 maximised.
    virtual void setWindowState(std::int32_t windowState) = 0;
    // 1 runs the report.
    virtual void setAction(std::int16_t action) = 0;
};

} // namespace report
