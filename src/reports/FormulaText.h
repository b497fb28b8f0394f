#pragma once

#include <QString>

namespace forms {
class Control;
}

// Pieces of selection formulas as the launcher writes them. Values go in as they were
// passed: a text is put between single quotes with nothing escaped.
namespace FormulaText {

// The formula function for the picker's date value: date(2026,3,7), without leading
// zeros or blanks. A picker without a date value raises the runtime's error.
QString date(const forms::Control &picker);

// field >= date(from) and field <= date(to): both ends included, the start first,
// whichever of the two dates is the later.
QString dateRange(const QString &field, const forms::Control &DTP1, const forms::Control &DTP2);

// field = 'value'
QString equalsText(const QString &field, const QString &value);

// field = number, the number bare: a serial in decimal, or a control's text as typed.
QString equalsNumber(const QString &field, const QString &number);

} // namespace FormulaText
