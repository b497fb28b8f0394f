#include "platform/ado/AccessSqlDialect.h"

#include "platform/ado/AdoError.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <cstdio>
#include <cstring>

namespace ado {

namespace {

bool isWordCharacter(char c)
{
    // Bytes of multi-byte UTF-8 characters belong to the word they stand in.
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
           || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

const char *skipBlanks(const char *p, const char *end)
{
    while (p < end && isBlank(*p))
        ++p;
    return p;
}

const char *wordEnd(const char *p, const char *end)
{
    while (p < end && isWordCharacter(*p))
        ++p;
    return p;
}

bool isWord(const char *begin, const char *end, const char *lowerCaseWord)
{
    const std::size_t length = std::strlen(lowerCaseWord);
    if (static_cast<std::size_t>(end - begin) != length)
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        char c = begin[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerCaseWord[i])
            return false;
    }
    return true;
}

// Past the closing mark of a text in quotes, where a doubled mark stands for one;
// an unclosed text runs to the end and is left for the engine to refuse.
const char *pastQuoted(const char *p, const char *end, char mark)
{
    ++p;
    while (p < end) {
        if (*p++ != mark)
            continue;
        if (p < end && *p == mark)
            ++p;
        else
            return p;
    }
    return end;
}

const char *pastBracketed(const char *p, const char *end)
{
    const void *close = std::memchr(p, ']', static_cast<std::size_t>(end - p));
    return close ? static_cast<const char *>(close) + 1 : end;
}

// 'yyyy-MM-dd' for the text between the "#" signs.
QByteArray sqliteDate(const char *begin, const char *end)
{
    const QString text = QString::fromUtf8(begin, end - begin);
    QDate date;
    try {
        date = rt::dateFromShortText(text);
    } catch (const rt::RuntimeError &) {
        throw AdoError::statementRejected(
            QStringLiteral("Syntax error in date in query expression '#%1#'.").arg(text));
    }
    char literal[16];
    const int length = std::snprintf(literal, sizeof literal, "'%04d-%02d-%02d'", date.year(),
                                     date.month(), date.day());
    return QByteArray(literal, length);
}

// Where "Delete" is followed by "*" and "from", the position of the "*"; else null.
const char *deleteStar(const char *afterDelete, const char *end)
{
    const char *star = skipBlanks(afterDelete, end);
    if (star == end || *star != '*')
        return nullptr;
    const char *from = skipBlanks(star + 1, end);
    return isWord(from, wordEnd(from, end), "from") ? star : nullptr;
}

} // namespace

QByteArray AccessSqlDialect::toSqlite(const QString &statement)
{
    const QByteArray text = statement.toUtf8();
    const char *p = text.constData();
    const char *const end = p + text.size();
    const char *copiedUpTo = p;
    QByteArray translated;

    // Copies the text before a rewritten stretch and moves past the stretch.
    auto rewrite = [&](const char *stretchBegin, const char *stretchEnd,
                       const QByteArray &replacement) {
        if (translated.isEmpty())
            translated.reserve(text.size() + 16);
        translated.append(copiedUpTo, stretchBegin - copiedUpTo);
        translated.append(replacement);
        copiedUpTo = stretchEnd;
    };

    while (p < end) {
        const char c = *p;
        if (c == '\'' || c == '"') {
            p = pastQuoted(p, end, c);
        } else if (c == '[') {
            p = pastBracketed(p, end);
        } else if (c == '#') {
            const void *close = std::memchr(p + 1, '#', static_cast<std::size_t>(end - p - 1));
            if (!close) {
                ++p;
                continue;
            }
            const char *closing = static_cast<const char *>(close);
            rewrite(p, closing + 1, sqliteDate(p + 1, closing));
            p = closing + 1;
        } else if (isWordCharacter(c)) {
            const char *afterWord = wordEnd(p, end);
            if (isWord(p, afterWord, "delete")) {
                if (const char *star = deleteStar(afterWord, end)) {
                    rewrite(star, star + 1, QByteArray());
                    afterWord = star + 1;
                }
            }
            p = afterWord;
        } else {
            ++p;
        }
    }
    if (copiedUpTo == text.constData())
        return text;
    translated.append(copiedUpTo, end - copiedUpTo);
    return translated;
}

} // namespace ado
