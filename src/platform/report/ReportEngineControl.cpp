#include "platform/report/ReportEngineControl.h"

#include "platform/report/FormulaParser.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportQuery.h"
#include "platform/runtime/RuntimeError.h"

#include <QFileInfo>

namespace report {

namespace {

Qt::WindowState shownState(std::int32_t windowState)
{
    switch (windowState) {
    case ReportEngineControl::Maximised:
        return Qt::WindowMaximized;
    case ReportEngineControl::Minimised:
        return Qt::WindowMinimized;
    default:
        return Qt::WindowNoState;
    }
}

} // namespace

ReportEngineControl::ReportEngineControl(AmountInWords::Function amountInWords)
    : amountInWords_(std::move(amountInWords))
{
}

void ReportEngineControl::setReportFileName(const QString &fileName)
{
    reportFileName_ = fileName;
}

void ReportEngineControl::setSelectionFormula(const QString &formula)
{
    selectionFormula_ = formula;
}

void ReportEngineControl::setFormulas(std::int16_t slot, const QString &entry)
{
    if (slot < 0)
        throw rt::RuntimeError::invalidPropertyValue();
    formulas_[slot] = entry;
}

void ReportEngineControl::setConnect(const QString &connectionString)
{
    connect_ = connectionString;
}

void ReportEngineControl::setDestination(std::int32_t destination)
{
    if (destination != ToWindow && destination != ToPrinter)
        throw rt::RuntimeError::invalidPropertyValue();
    destination_ = destination;
}

void ReportEngineControl::setWindowState(std::int32_t windowState)
{
    if (windowState < Normal || windowState > Maximised)
        throw rt::RuntimeError::invalidPropertyValue();
    windowState_ = windowState;
}

void ReportEngineControl::setAction(std::int16_t action)
{
    if (action != 1)
        throw rt::RuntimeError::invalidPropertyValue();
    run();
}

void ReportEngineControl::setPrintFileName(const QString &pdfPath)
{
    printFileName_ = pdfPath;
}

// Every step that can fail comes before anything is shown or printed.
void ReportEngineControl::run()
{
    const QString path = QString(reportFileName_).replace(u'\\', u'/');
    const ReportDefinition definition = ReportDefinition::read(path);
    const QStringList texts = formulaTexts(definition);
    const SqlCondition condition = FormulaParser::parseSelection(selectionFormula_, definition);
    const QList<ReportRow> rows = ReportQuery::run(definition, condition, connect_);
    const QString name = QFileInfo(path).completeBaseName();
    ReportLayout layout(definition, texts, name, amountInWords_);
    ReportDocument document(name, definition.title, definition.landscape, layout.layOut(rows));
    if (!printFileName_.isEmpty())
        document.writePdf(printFileName_);
    else if (destination_ == ToPrinter)
        document.print();
    else
        showWindow(std::move(document));
}

// The text of each formula field of the report, set by the entries that are not empty.
// The control keeps every entry from one run to the next, so an entry a launch for
// another report left behind names a field this report does not have: it is passed over,
// and only an entry that is not an assignment at all is refused.
QStringList ReportEngineControl::formulaTexts(const ReportDefinition &definition) const
{
    QStringList texts(definition.formulas.size());
    for (const QString &entry : formulas_) {
        if (entry.trimmed().isEmpty())
            continue;
        const FormulaAssignment assignment = FormulaParser::parseAssignment(entry);
        if (const std::optional<int> index = definition.formulaIndex(assignment.name))
            texts[*index] = assignment.value;
    }
    return texts;
}

void ReportEngineControl::showWindow(ReportDocument document)
{
    window_ = new ReportWindow(std::move(document));
    window_->open(shownState(windowState_));
}

} // namespace report
