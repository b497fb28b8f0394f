#pragma once

#include "platform/report/AmountInWords.h"
#include "platform/report/ReportControl.h"
#include "platform/report/ReportWindow.h"

#include <QMap>
#include <QPointer>

namespace report {

struct ReportDefinition;

// The report control that runs reports: writing Action = 1 reads the report file, filters
// its rows by the selection formula, sets its formula fields from the formula entries,
// lays out the pages and sends them where Destination says. Nothing is shown or printed
// unless every step succeeds. Properties keep their values from one run to the next.
class ReportEngineControl : public ReportControl {
public:
    enum Destination { ToWindow = 0, ToPrinter = 1 };
    enum WindowState { Normal = 0, Minimised = 1, Maximised = 2 };

    // A report with a sum in words writes it with amountInWords; without one, such a
    // report fails.
    explicit ReportEngineControl(AmountInWords::Function amountInWords = {});

    // A backslash in the name separates folders.
    void setReportFileName(const QString &fileName) override;
    void setSelectionFormula(const QString &formula) override;
    // A negative slot raises error 380.
    void setFormulas(std::int16_t slot, const QString &entry) override;
    void setConnect(const QString &connectionString) override;
    // ToWindow or ToPrinter; any other value raises error 380.
    void setDestination(std::int32_t destination) override;
    // Normal, Minimised or Maximised; any other value raises error 380.
    void setWindowState(std::int32_t windowState) override;
    // 1 runs the report; any other value raises error 380.
    void setAction(std::int16_t action) override;

    // When set, every run writes its pages into this PDF file instead, for a machine
    // without a printer or a screen.
    void setPrintFileName(const QString &pdfPath);

    // The window of the last run shown, while it is open.
    ReportWindow *window() const { return window_; }

private:
    void run();
    QStringList formulaTexts(const ReportDefinition &definition) const;
    void showWindow(ReportDocument document);

    QString reportFileName_;
    QString selectionFormula_;
    QMap<std::int16_t, QString> formulas_;
    QString connect_;
    std::int32_t destination_ = ToWindow;
    std::int32_t windowState_ = Normal;
    QString printFileName_;
    AmountInWords amountInWords_;
    QPointer<ReportWindow> window_;
};

} // namespace report
