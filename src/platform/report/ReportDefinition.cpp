#include "platform/report/ReportDefinition.h"

#include "platform/report/ReportError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace report {

namespace {

// Reads the parts of one file, raising the bad-file error with the file's path.
class DefinitionReader {
public:
    DefinitionReader(const QJsonObject &root, QString path)
        : root_(root), path_(std::move(path))
    {
    }

    ReportDefinition read()
    {
        ReportDefinition definition;
        definition.title = requiredText(root_, QStringLiteral("title"), QStringLiteral("the report"));
        definition.dataSource =
            requiredText(root_, QStringLiteral("dataSource"), QStringLiteral("the report"));
        definition.from = requiredText(root_, QStringLiteral("from"), QStringLiteral("the report"));
        definition.landscape = orientation() == QLatin1String("landscape");
        for (const QJsonValue &field : requiredArray(QStringLiteral("fields")))
            definition.fields.append(declaredField(field.toString()));
        definition_ = &definition;
        for (const QJsonValue &field : root_.value(QStringLiteral("sort")).toArray())
            definition.sort.append(fieldOf(field.toString(), QStringLiteral("\"sort\"")));
        for (const QJsonValue &group : root_.value(QStringLiteral("groups")).toArray())
            definition.groups.append(groupOf(group.toObject()));
        for (const QJsonValue &column : requiredArray(QStringLiteral("columns")))
            definition.columns.append(columnOf(column.toObject()));
        for (const QJsonValue &formula : root_.value(QStringLiteral("formulas")).toArray())
            definition.formulas.append(formulaOf(formula.toObject()));
        return definition;
    }

private:
    rt::RuntimeError bad(const QString &problem) const
    {
        return ReportError::badReportFile(path_, problem);
    }

    QString requiredText(const QJsonObject &object, const QString &key, const QString &owner) const
    {
        const QString text = object.value(key).toString();
        if (text.isEmpty())
            throw bad(QStringLiteral("%1 has no \"%2\"").arg(owner, key));
        return text;
    }

    QJsonArray requiredArray(const QString &key) const
    {
        const QJsonArray array = root_.value(key).toArray();
        if (array.isEmpty())
            throw bad(QStringLiteral("\"%1\" lists nothing").arg(key));
        return array;
    }

    QString orientation() const
    {
        const QString orientation =
            root_.value(QStringLiteral("orientation")).toString(QStringLiteral("portrait"));
        if (orientation != QLatin1String("portrait") && orientation != QLatin1String("landscape"))
            throw bad(QStringLiteral("the orientation %1 is neither portrait nor landscape")
                          .arg(orientation));
        return orientation;
    }

    // A name that goes into the statement must be a plain name.
    ReportField declaredField(const QString &text) const
    {
        static const QRegularExpression braced(
            QStringLiteral("^\\{([A-Za-z_][A-Za-z0-9_]*)\\.([A-Za-z_][A-Za-z0-9_]*)\\}$"));
        const QRegularExpressionMatch match = braced.match(text);
        if (!match.hasMatch())
            throw bad(QStringLiteral("the field \"%1\" is not written {TABLE.COLUMN}").arg(text));
        return {match.captured(1), match.captured(2)};
    }

    int fieldOf(const QString &text, const QString &where) const
    {
        const ReportField field = declaredField(text);
        const std::optional<int> index = definition_->fieldIndex(field.table, field.column);
        if (!index)
            throw bad(QStringLiteral("%1 names %2, which \"fields\" does not list").arg(where, text));
        return *index;
    }

    ReportGroup groupOf(const QJsonObject &group) const
    {
        const ReportLabelledField heading = labelledField(group, QStringLiteral("a group"));
        ReportGroup result{heading.field, heading.label, heading.format, {}};
        for (const QJsonValue &detail : group.value(QStringLiteral("details")).toArray())
            result.details.append(labelledField(detail.toObject(), QStringLiteral("a group's detail")));
        return result;
    }

    ReportLabelledField labelledField(const QJsonObject &object, const QString &where) const
    {
        const QString field = object.value(QStringLiteral("field")).toString();
        return {fieldOf(field, where), object.value(QStringLiteral("label")).toString(),
                formatOf(object.value(QStringLiteral("format")).toString(),
                         QStringLiteral("%1 of %2").arg(where, field))};
    }

    ReportColumn columnOf(const QJsonObject &object) const
    {
        ReportColumn column;
        const QString field = object.value(QStringLiteral("field")).toString();
        const QString owner = QStringLiteral("the column of %1").arg(field);
        column.field = fieldOf(field, QStringLiteral("a column"));
        column.heading = object.value(QStringLiteral("heading")).toString();
        column.widthTwips = object.value(QStringLiteral("width")).toInt();
        if (column.widthTwips <= 0)
            throw bad(QStringLiteral("%1 has no width in twips").arg(owner));
        column.alignment = alignmentOf(object.value(QStringLiteral("align")).toString(), owner);
        column.format = formatOf(object.value(QStringLiteral("format")).toString(), owner);
        column.decimals = object.value(QStringLiteral("decimals")).toInt(2);
        column.total = object.value(QStringLiteral("total")).toBool();
        column.running = object.value(QStringLiteral("running")).toBool();
        if ((column.total || column.running) && column.format != ValueFormat::Number)
            throw bad(QStringLiteral("%1 has a total or a balance but is not a number").arg(owner));
        if (column.total && column.running)
            throw bad(QStringLiteral("%1 is both a total and a running balance").arg(owner));
        return column;
    }

    Qt::Alignment alignmentOf(const QString &align, const QString &owner) const
    {
        if (align.isEmpty() || align == QLatin1String("left"))
            return Qt::AlignLeft;
        if (align == QLatin1String("right"))
            return Qt::AlignRight;
        if (align == QLatin1String("centre"))
            return Qt::AlignHCenter;
        throw bad(QStringLiteral("%1 has the alignment %2, not left, right or centre")
                      .arg(owner, align));
    }

    ValueFormat formatOf(const QString &format, const QString &owner) const
    {
        if (format.isEmpty() || format == QLatin1String("text"))
            return ValueFormat::Text;
        if (format == QLatin1String("date"))
            return ValueFormat::Date;
        if (format == QLatin1String("number"))
            return ValueFormat::Number;
        if (format == QLatin1String("words"))
            return ValueFormat::Words;
        throw bad(QStringLiteral("%1 has the format %2, not text, date, number or words")
                      .arg(owner, format));
    }

    ReportFormulaField formulaOf(const QJsonObject &formula) const
    {
        return {requiredText(formula, QStringLiteral("name"), QStringLiteral("a formula")),
                formula.value(QStringLiteral("label")).toString()};
    }

    QJsonObject root_;
    QString path_;
    const ReportDefinition *definition_ = nullptr;
};

} // namespace

ReportDefinition ReportDefinition::read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw ReportError::fileNotFound(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError::badReportFile(path, file.errorString());
    return parse(file.readAll(), path);
}

ReportDefinition ReportDefinition::parse(const QByteArray &json, const QString &path)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw ReportError::badReportFile(
            path, QStringLiteral("%1 at character %2").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        throw ReportError::badReportFile(path, QStringLiteral("it holds no JSON object"));
    return DefinitionReader(document.object(), path).read();
}

std::optional<int> ReportDefinition::fieldIndex(const QString &table, const QString &column) const
{
    for (int index = 0; index < fields.size(); ++index) {
        if (fields[index].table.compare(table, Qt::CaseInsensitive) == 0
            && fields[index].column.compare(column, Qt::CaseInsensitive) == 0)
            return index;
    }
    return std::nullopt;
}

std::optional<int> ReportDefinition::formulaIndex(const QString &name) const
{
    for (int index = 0; index < formulas.size(); ++index) {
        if (formulas[index].name.compare(name, Qt::CaseInsensitive) == 0)
            return index;
    }
    return std::nullopt;
}

} // namespace report
