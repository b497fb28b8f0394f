#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace forms {

// What a person types into a date picker, part by part (day, month, year), held apart
// from the picker's date until the typing ends. A part is taken as typed: a day of 31
// typed over a month of 30 days stays 31, so that the month typed next can make it a
// date, and a date that does not exist stays one that the picker can refuse.
//
// Formats of the parts: dd, MM, MMM (the month's short name) and yyyy; whatever else
// the display format holds separates them.
class DateEntry {
public:
    enum class Typed { Ignored, Taken, Finished };

    DateEntry(const QString &displayFormat, const QStringList &shortMonthNames);

    // Starts typing into a part over the date the picker shows.
    void begin(const QDate &shown, int part);
    int part() const { return current_; }
    int partCount() const { return static_cast<int>(parts_.size()); }

    // A digit, a letter of a month's name, or a separator that finishes the part.
    // Finished: the last part is complete, so the typed date is whole.
    Typed type(QChar character);
    // Takes back the last character typed into the current part.
    void erase();
    // Typing goes on in another part; what the current one holds stands.
    void moveTo(int part);

    // The text the picker shows meanwhile, and what of it is selected.
    QString text() const;
    int selectionStart() const;
    int selectionLength() const;

    // The date the typed parts make; invalid where they make none, as where a year is
    // left short of its four digits.
    QDate date() const;

    // The part that a cursor position falls in, in a text of this format.
    int partAt(const QString &text, int position) const;

private:
    enum class Kind { Day, Month, MonthName, Year };
    struct Part {
        Kind kind;
        int value = 0;
        QString typed;
    };

    bool accepts(const Part &part, QChar character) const;
    bool isComplete(const Part &part) const;
    int valueOf(const Part &part) const;
    QString shown(const Part &part) const;
    void settle(Part &part);
    Typed finishPart();
    int partStart(int part) const;

    QVector<Part> parts_;
    QStringList separators_; // before each part, and one after the last
    QStringList monthNames_;
    int current_ = 0;
    bool justAdvanced_ = false;
};

} // namespace forms
