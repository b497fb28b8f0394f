#pragma once

#include <QString>

// The amount in words: the digits of a whole-rupee amount as upper-case words in the
// Indian grouping (crore, lakh, thousand, hundred), ending in " ONLY".
class CalculateClass {
public:
    // The largest amount written in words correctly: 99,99,99,999. Above it the crores
    // would be read as an amount of their own ("ONE HUNDRED,  CRORE").
    static constexpr double LargestAmount = 999999999;

    // Whether the amount is whole rupees above 0 and up to LargestAmount: the amounts
    // whose words come out right.
    static bool WritesInWords(double rupees);

    // A sum as reports write it: its words when WritesInWords, else none, since words
    // that dropped the paise or misread the crores would misstate it.
    static QString SumInWords(double rupees);

    // Reads the text by character position, not by its value. The empty text comes
    // back when a window of the input is not a number.
    QString Calculate(QString Numberx) const;
};
