#include "platform/forms/DateEntry.h"

#include <algorithm>
#include <utility>

namespace forms {

namespace {

bool separates(QChar character)
{
    return !character.isLetterOrNumber();
}

// The digits a part holds at most.
int digitsOf(bool year)
{
    return year ? 4 : 2;
}

} // namespace

DateEntry::DateEntry(const QString &displayFormat, const QStringList &shortMonthNames)
    : monthNames_(shortMonthNames)
{
    QString separator;
    for (int at = 0; at < displayFormat.size();) {
        const QChar letter = displayFormat.at(at);
        int run = 1;
        while (at + run < displayFormat.size() && displayFormat.at(at + run) == letter)
            ++run;
        const bool month = letter == QLatin1Char('M');
        if (letter == QLatin1Char('d') || month || letter == QLatin1Char('y')) {
            const Kind kind = letter == QLatin1Char('d') ? Kind::Day
                              : !month                   ? Kind::Year
                              : run >= 3                 ? Kind::MonthName
                                                         : Kind::Month;
            parts_.append(Part{kind, 0, QString()});
            separators_.append(std::exchange(separator, QString()));
        } else {
            separator += displayFormat.mid(at, run);
        }
        at += run;
    }
    separators_.append(separator);
}

void DateEntry::begin(const QDate &shown, int part)
{
    for (Part &p : parts_) {
        p.typed.clear();
        p.value = p.kind == Kind::Day ? shown.day()
                  : p.kind == Kind::Year ? shown.year()
                                         : shown.month();
    }
    current_ = std::clamp(part, 0, partCount() - 1);
    justAdvanced_ = false;
}

DateEntry::Typed DateEntry::type(QChar character)
{
    Part &part = parts_[current_];
    if (!separates(character)) {
        if (!accepts(part, character))
            return Typed::Ignored;
        part.typed += character;
        justAdvanced_ = false;
        return isComplete(part) ? finishPart() : Typed::Taken;
    }
    // The separator a person types after a part that finished itself is that part's.
    if (part.typed.isEmpty() && std::exchange(justAdvanced_, false))
        return Typed::Taken;
    if (part.typed.isEmpty() && current_ == partCount() - 1)
        return Typed::Ignored;
    return finishPart();
}

void DateEntry::erase()
{
    parts_[current_].typed.chop(1);
    justAdvanced_ = false;
}

void DateEntry::moveTo(int part)
{
    settle(parts_[current_]);
    current_ = std::clamp(part, 0, partCount() - 1);
    justAdvanced_ = false;
}

QString DateEntry::text() const
{
    QString text = separators_.first();
    for (int i = 0; i < partCount(); ++i) {
        const Part &part = parts_[i];
        text += part.typed.isEmpty() ? shown(part) : part.typed;
        text += separators_[i + 1];
    }
    return text;
}

int DateEntry::selectionStart() const
{
    return partStart(current_) + static_cast<int>(parts_[current_].typed.size());
}

// Nothing typed yet: the whole part is selected, so that typing replaces it.
int DateEntry::selectionLength() const
{
    const Part &part = parts_[current_];
    return part.typed.isEmpty() ? static_cast<int>(shown(part).size()) : 0;
}

QDate DateEntry::date() const
{
    int day = 0, month = 0, year = 0;
    for (const Part &part : parts_) {
        // A year left at fewer digits than its format's is no year yet (20 is not 2020).
        if (part.kind == Kind::Year && !part.typed.isEmpty() && part.typed.size() < digitsOf(true))
            return QDate();
        const int value = valueOf(part);
        (part.kind == Kind::Day ? day : part.kind == Kind::Year ? year : month) = value;
    }
    return QDate::isValid(year, month, day) ? QDate(year, month, day) : QDate();
}

int DateEntry::partAt(const QString &text, int position) const
{
    int part = 0;
    for (int at = 1; at < std::min(position, static_cast<int>(text.size())); ++at) {
        if (separates(text.at(at)) && !separates(text.at(at - 1)))
            ++part;
    }
    return std::min(part, partCount() - 1);
}

// A month's name is typed by its letters or by its number.
bool DateEntry::accepts(const Part &part, QChar character) const
{
    const bool byName = part.kind == Kind::MonthName
                        && (part.typed.isEmpty() ? character.isLetter()
                                                 : part.typed.front().isLetter());
    if (!byName)
        return character.isDigit() && part.typed.size() < digitsOf(part.kind == Kind::Year);
    const QString typed = part.typed + character;
    return std::any_of(monthNames_.cbegin(), monthNames_.cend(), [&](const QString &name) {
        return name.startsWith(typed, Qt::CaseInsensitive);
    });
}

// A part finishes itself once nothing more could be typed into it: a day from 4 on
// cannot take a second digit, nor a month from 2 on.
bool DateEntry::isComplete(const Part &part) const
{
    const QString &typed = part.typed;
    if (part.kind == Kind::MonthName && typed.front().isLetter()) {
        const int month = valueOf(part);
        return month > 0 && monthNames_[month - 1].size() == typed.size();
    }
    if (typed.size() == digitsOf(part.kind == Kind::Year))
        return true;
    const QChar highestLead = part.kind == Kind::Day ? QLatin1Char('3') : QLatin1Char('1');
    return part.kind != Kind::Year && typed.front() > highestLead;
}

// The number a part stands for; 0 for letters that name no one month.
int DateEntry::valueOf(const Part &part) const
{
    const QString &typed = part.typed;
    if (typed.isEmpty())
        return part.value;
    if (!typed.front().isLetter())
        return typed.toInt();
    int found = 0;
    int matches = 0;
    for (int month = 0; month < monthNames_.size(); ++month) {
        if (monthNames_[month].startsWith(typed, Qt::CaseInsensitive)) {
            found = month + 1;
            ++matches;
        }
    }
    return matches == 1 ? found : 0;
}

QString DateEntry::shown(const Part &part) const
{
    if (part.kind == Kind::MonthName && part.value >= 1 && part.value <= monthNames_.size())
        return monthNames_[part.value - 1];
    const int width = digitsOf(part.kind == Kind::Year);
    return QStringLiteral("%1").arg(part.value, width, 10, QLatin1Char('0'));
}

void DateEntry::settle(Part &part)
{
    part.value = valueOf(part);
    part.typed.clear();
}

DateEntry::Typed DateEntry::finishPart()
{
    settle(parts_[current_]);
    if (current_ == partCount() - 1)
        return Typed::Finished;
    ++current_;
    justAdvanced_ = true;
    return Typed::Taken;
}

int DateEntry::partStart(int part) const
{
    int start = static_cast<int>(separators_.first().size());
    for (int i = 0; i < part; ++i) {
        const Part &p = parts_[i];
        start += static_cast<int>((p.typed.isEmpty() ? shown(p) : p.typed).size());
        start += static_cast<int>(separators_[i + 1].size());
    }
    return start;
}

} // namespace forms
