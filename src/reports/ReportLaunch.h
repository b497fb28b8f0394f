#pragma once

#include "platform/runtime/Variant.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace report {
class ReportControl;
}

// The steps one launch of a report writes on the caller's report control. Every
// operation of the launcher is a sequence of these steps run under guarded(), or the
// usual sequence of usual(). Steps only write; the control keeps what a step wrote
// when a later step fails.
class ReportLaunch {
public:
    // The selection formula, computed when its step comes, so that a picker or control
    // that cannot give its value fails there and not before.
    using Filter = std::function<QString()>;

    // Runs the steps under the launch's error label: a run-time error ends the launch at
    // the step that raised it and shows its description (OK button, the application's
    // title). Nothing reaches the caller, whose result is always the empty value.
    static rt::Variant guarded(report::ReportControl &CR,
                               const std::function<void(ReportLaunch &)> &steps);

    // The usual order, guarded: empty selection formula, header slots, the filter (if
    // any), the report file, run.
    static rt::Variant usual(report::ReportControl &CR, const QString &reportFile,
                             const Filter &filter = {});

    // The steps of usual(), for a launch that does something of its own before them.
    void usualSteps(const QString &fileName, const Filter &filter = {});

    void emptySelection();
    // Slots 0 to 3: H1 = '' ... H4 = ''. The headers never carry a value.
    void headers();
    // name = 'value' into the slot.
    void formula(std::int16_t slot, const QString &name, const QString &value);
    // The empty text into the slot, so that a later launch finds it empty.
    void clearFormula(std::int16_t slot);
    void selection(const QString &formula);
    // The program's folder followed by the file as the operation writes it
    // ("\BANKREPORT.rpt"); a folder that ends in a separator is not looked at.
    void reportFile(const QString &fileName);
    void connection(const QString &connectionString);
    // The run goes to the report window (0), shown maximised (2).
    void numericSettings();
    void run();

private:
    explicit ReportLaunch(report::ReportControl &CR) : CR_(CR) {}

    report::ReportControl &CR_;
};
