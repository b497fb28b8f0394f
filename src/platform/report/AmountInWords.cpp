#include "platform/report/AmountInWords.h"

#include "platform/report/ReportError.h"

namespace report {

namespace {

AmountInWords::Function &registered()
{
    static AmountInWords::Function words;
    return words;
}

} // namespace

void AmountInWords::set(Function words)
{
    registered() = std::move(words);
}

QString AmountInWords::of(double amount)
{
    if (!registered())
        throw ReportError::noAmountInWords();
    return registered()(amount);
}

} // namespace report
