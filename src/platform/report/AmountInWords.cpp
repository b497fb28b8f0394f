#include "platform/report/AmountInWords.h"

#include "platform/report/ReportError.h"

namespace report {

AmountInWords::AmountInWords(Function words) : words_(std::move(words)) {}

QString AmountInWords::of(double amount) const
{
    if (!words_)
        throw ReportError::noAmountInWords();
    return words_(amount);
}

} // namespace report
