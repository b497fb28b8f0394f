#pragma once

#include <QString>
#include <functional>

namespace report {

// The text of the "words" format. The engine knows no language of amounts: whoever makes
// a report control hands it the function that writes them, so a report says a sum in
// the same words as the program's cheques and receipts.
class AmountInWords {
public:
    using Function = std::function<QString(double)>;

    explicit AmountInWords(Function words = {});

    // The words of the amount; raises the report error that says none were handed over,
    // so a report never prints a sum without the words it promises.
    QString of(double amount) const;

private:
    Function words_;
};

} // namespace report
