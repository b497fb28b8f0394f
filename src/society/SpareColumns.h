#pragma once

#include "data/RecordColumn.h"

#include <QDate>
#include <QString>

// The spare columns that end every society record table, STRREM1 to DATEREM2. A record
// gives one of them a meaning where its table does; the rest hold "unused" values.
struct SpareColumns {
    QString STRREM1_;
    QString STRREM2_;
    QString STRREM3_;
    QString STRREM4_;
    double INTREM1_ = 0;
    double INTREM2_ = 0;
    double INTREM3_ = 0;
    double INTREM4_ = 0;
    QDate DATEREM1_ = rt::ZeroDate;
    QDate DATEREM2_ = rt::ZeroDate;

    // What a copy from the controls puts into the spares: "-" for text, 0 for numbers,
    // the date given for dates.
    void setUnused(const QDate &date)
    {
        STRREM1_ = STRREM2_ = STRREM3_ = STRREM4_ = QStringLiteral("-");
        INTREM1_ = INTREM2_ = INTREM3_ = INTREM4_ = 0;
        DATEREM1_ = DATEREM2_ = date;
    }
};
