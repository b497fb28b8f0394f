#pragma once

#include <QString>
#include <functional>

namespace report {

// The text of the "words" format. The engine knows no language of amounts: the program
// registers the function that writes them, so a report says a sum in the same words
// as the program's cheques and receipts.
class AmountInWords {
public:
    using Function = std::function<QString(double)>;

    static void set(Function words);
    // The registered words of the amount; raises the report error that says none is
    // registered, so a report never prints a sum without the words it promises.
    static QString of(double amount);
};

} // namespace report
