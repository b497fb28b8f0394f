#pragma once

#include "platform/printer/PrintableForm.h"

namespace report {

// One laid-out page of a report: its texts and rules in twips from the paper's corner.
class ReportPage : public printer::PrintableForm {
public:
    ReportPage(QSizeF paperTwips, QString jobName)
        : paper_(paperTwips), jobName_(std::move(jobName))
    {
    }

    void add(const printer::PrintableLabel &label) { labels_.append(label); }

    QList<printer::PrintableLabel> printableLabels() const override { return labels_; }
    QSizeF clientSizeTwips() const override { return paper_; }
    QString printJobName() const override { return jobName_; }

private:
    QSizeF paper_;
    QString jobName_;
    QList<printer::PrintableLabel> labels_;
};

} // namespace report
