#include "cheque/CalculateClass.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <array>
#include <cmath>

namespace {

const std::array<const char *, 19> Ones = {
    "ONE",     "TWO",     "THREE",     "FOUR",     "FIVE",    "SIX",      "SEVEN",
    "EIGHT",   "NINE",    "TEN",       "ELEVEN",   "TWELVE",  "THIRTEEN", "FOURTEEN",
    "FIFTEEN", "SIXTEEN", "SEVENTEEN", "EIGHTEEN", "NINETEEN"};

const std::array<const char *, 8> Tens = {"TWENTY", "THIRTY",  "FORTY",  "FIFTY",
                                          "SIXTY",  "SEVENTY", "EIGHTY", "NINETY"};

// Every window is padded to at least this many characters before it is read.
constexpr int PaddedLength = 13;
// The lakh group ends seven characters from the right; what stands left of it counts
// crores.
constexpr int BelowCrore = 7;

// The words of a number from 1 to 99. Tens and units join without a blank, but for 31
// to 33, which have always been written with one.
QString word(int n)
{
    if (n < 20)
        return QLatin1String(Ones[n - 1]);
    const QString tens = QLatin1String(Tens[n / 10 - 2]);
    const int unit = n % 10;
    if (unit == 0)
        return tens;
    const QString joint = (n >= 31 && n <= 33) ? QStringLiteral(" ") : QString();
    return tens + joint + QLatin1String(Ones[unit - 1]);
}

// The value of a window when it is a whole number from 1 to highest, else 0. A window
// that is not a number raises the conversion's error.
int groupValue(const QString &window, int highest)
{
    const double value = rt::textToDouble(window);
    const bool whole = value >= 1 && value <= highest && value == std::floor(value);
    return whole ? static_cast<int>(value) : 0;
}

// A group's words followed by its joining text, or nothing for a group of value 0.
QString groupText(const QString &window, int highest, const QString &joint)
{
    const int value = groupValue(window, highest);
    return value == 0 ? QString() : word(value) + joint;
}

const QString Only = QStringLiteral(" ONLY");

// The digits left of the lakh group count crores, written as any amount is.
QString crorePart(const QString &s)
{
    const QString crores = s.left(s.length() - BelowCrore);
    if (rt::textToDouble(crores) == 0)
        return QString();
    const QString words = CalculateClass().Calculate(crores);
    if (words.isEmpty())
        throw rt::RuntimeError::typeMismatch();
    return words.chopped(Only.length()) + QStringLiteral(" CRORE, ");
}

// The words of a padded text, group by group from the right.
QString wordsOf(const QString &s)
{
    const int n = s.length();
    QString low = groupText(s.right(2), 99, QString());
    low = groupText(s.mid(n - 3, 1), 9, QStringLiteral(" HUNDRED, ")) + low;
    const QString thousands = groupText(s.mid(n - 5, 2), 99, QStringLiteral(" THOUSAND, "));
    const QString lakhs = groupText(s.mid(n - 7, 2), 99, QStringLiteral("  LAKH, "));
    return crorePart(s) + lakhs + thousands + low + Only;
}

} // namespace

bool CalculateClass::WritesInWords(double rupees)
{
    return rupees > 0 && rupees <= LargestAmount && rupees == std::floor(rupees);
}

QString CalculateClass::SumInWords(double rupees)
{
    return WritesInWords(rupees) ? CalculateClass().Calculate(rt::generalNumberText(rupees))
                                 : QString();
}

QString CalculateClass::Calculate(QString Numberx) const
{
    while (Numberx.length() < PaddedLength)
        Numberx.prepend(QLatin1Char('0'));
    try {
        return wordsOf(Numberx);
    } catch (const rt::RuntimeError &) {
        return QString();
    }
}
