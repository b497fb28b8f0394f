#pragma once

#include "platform/forms/MessageBox.h"

#include <QString>
#include <QStringList>
#include <ostream>

// Readable failures: texts and message boxes as the user would read them.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{';
    for (const QString &text : texts)
        *out << " \"" << text.toStdString() << '"';
    *out << " }";
}

namespace forms {

inline void PrintTo(const MessageBoxRecord &box, std::ostream *out)
{
    *out << "MsgBox(\"" << box.text.toStdString() << "\", buttons " << box.buttons << ", icon "
         << box.icon << ", \"" << box.title.toStdString() << "\")";
}

} // namespace forms
