#include "reports/ReportLaunch.h"

#include "platform/forms/MessageBox.h"
#include "platform/report/ReportControl.h"
#include "platform/runtime/App.h"
#include "platform/runtime/RuntimeError.h"
#include "reports/FormulaText.h"

namespace {

constexpr std::int16_t HeaderSlots = 4;
constexpr std::int32_t ReportWindow = 0;
constexpr std::int32_t Maximised = 2;
constexpr std::int16_t RunReport = 1;

} // namespace

rt::Variant ReportLaunch::guarded(report::ReportControl &CR,
                                  const std::function<void(ReportLaunch &)> &steps)
{
    ReportLaunch launch(CR);
    try {
        steps(launch);
    } catch (const rt::RuntimeError &error) {
        forms::MsgBox(error.Description());
    }
    return {};
}

rt::Variant ReportLaunch::usual(report::ReportControl &CR, const QString &reportFile,
                                const Filter &filter)
{
    return guarded(CR, [&](ReportLaunch &launch) { launch.usualSteps(reportFile, filter); });
}

void ReportLaunch::usualSteps(const QString &fileName, const Filter &filter)
{
    emptySelection();
    headers();
    if (filter)
        selection(filter());
    reportFile(fileName);
    run();
}

void ReportLaunch::emptySelection()
{
    CR_.setSelectionFormula(QString());
}

void ReportLaunch::headers()
{
    for (std::int16_t slot = 0; slot < HeaderSlots; ++slot)
        formula(slot, QStringLiteral("H%1").arg(slot + 1), QString());
}

void ReportLaunch::formula(std::int16_t slot, const QString &name, const QString &value)
{
    CR_.setFormulas(slot, FormulaText::equalsText(name, value));
}

void ReportLaunch::clearFormula(std::int16_t slot)
{
    CR_.setFormulas(slot, QString());
}

void ReportLaunch::selection(const QString &formula)
{
    CR_.setSelectionFormula(formula);
}

void ReportLaunch::reportFile(const QString &fileName)
{
    CR_.setReportFileName(rt::App::Path() + fileName);
}

void ReportLaunch::connection(const QString &connectionString)
{
    CR_.setConnect(connectionString);
}

void ReportLaunch::numericSettings()
{
    CR_.setDestination(ReportWindow);
    CR_.setWindowState(Maximised);
}

void ReportLaunch::run()
{
    CR_.setAction(RunReport);
}
