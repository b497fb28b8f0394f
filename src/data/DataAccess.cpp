#include "data/DataAccess.h"

#include "data/CommonClass.h"
#include "platform/forms/Control.h"
#include "platform/forms/MessageBox.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <optional>

namespace {

ado::Recordset &openKeysetReadOnly(ado::Recordset &recordset, const QString &sql,
                                   const ado::Connection &connection)
{
    Module1::CloseIfOpen(recordset);
    recordset.Open(sql, connection, ado::adOpenKeyset, ado::adLockReadOnly,
                   ado::adCmdUnspecified);
    return recordset;
}

} // namespace

DataAccess::DataAccess(CommonClass &common, QString &text) : common_(common), text_(text) {}

ado::Recordset &DataAccess::connectAndRun(const QString &sql)
{
    common_.connect();
    return runOnCon(sql);
}

ado::Recordset &DataAccess::runOnCon(const QString &sql)
{
    return runOnCon(sql, common_.Rs);
}

ado::Recordset &DataAccess::runOnCon(const QString &sql, ado::Recordset &recordset)
{
    text_ = sql;
    return openKeysetReadOnly(recordset, text_, common_.Con);
}

void DataAccess::closeCon()
{
    if (common_.Con.State() == ado::adStateOpen)
        common_.Con.Close();
}

ado::Recordset &DataAccess::runOnSharedConnection(const QString &sql)
{
    return runOnModuleRecordset(sql, text_, common_.Rs);
}

ado::Recordset &DataAccess::runOnModuleRecordset(const QString &sql, QString &text,
                                                 ado::Recordset &recordset)
{
    text = sql;
    return openKeysetReadOnly(recordset, text, Module1::OpenSharedConnectionIfClosed());
}

bool DataAccess::guarded(Label label, const std::function<void()> &steps,
                         const std::function<void(const rt::RuntimeError &)> &atLabel)
{
    try {
        steps();
        return true;
    } catch (const rt::RuntimeError &error) {
        if (atLabel)
            atLabel(error);
        if (label == Label::Description)
            forms::MsgBox(error.Description());
        return false;
    }
}

bool DataAccess::copyFromControls(const std::function<void()> &steps)
{
    return !guarded(Label::Silent, steps, [](const rt::RuntimeError &error) {
        forms::MsgBox(error.Description(), forms::vbCritical, QStringLiteral("ENTRY ERROR"));
    });
}

void DataAccess::skipFailure(const std::function<void()> &assignment)
{
    guarded(Label::Silent, assignment);
}

std::int16_t DataAccess::nextSerial(const std::function<ado::Recordset &()> &maxQuery,
                                    std::int16_t whenNone)
{
    std::optional<double> highest;
    guarded(Label::Silent, [&] { highest = maxQuery().Fields(0).Value().toDouble(); });
    if (!highest)
        return whenNone;
    return rt::toInteger(*highest + 1);
}

double DataAccess::sumOf(const ado::Recordset &rows)
{
    const rt::Variant sum = rows.Fields(0).Value();
    return sum.isNull() ? 0 : sum.toDouble();
}

bool DataAccess::deleteRows(const std::function<void()> &runDelete)
{
    return guarded(Label::Description, [&] {
        runDelete();
        forms::MsgBox(QStringLiteral("Deleted"), forms::vbOKOnly, QStringLiteral("Delete"));
    });
}

void DataAccess::fill(forms::Control &CMB, Label label,
                      const std::function<ado::Recordset &()> &query, const QString &column)
{
    fillRows(CMB, label, query, column, {}, {}, Selection::First);
}

void DataAccess::fillOverCon(forms::Control &CMB, const QString &sql, const QString &column,
                             Label label, Selection selection,
                             const std::function<void(const rt::RuntimeError &)> &atLabel)
{
    fillRows(
        CMB, label, [&]() -> ado::Recordset & { return connectAndRun(sql); }, column,
        [&] { closeCon(); }, atLabel, selection);
}

void DataAccess::fillRows(forms::Control &CMB, Label label,
                          const std::function<ado::Recordset &()> &query, const QString &column,
                          const std::function<void()> &afterRows,
                          const std::function<void(const rt::RuntimeError &)> &atLabel,
                          Selection selection)
{
    CMB.Clear();
    guarded(
        label,
        [&] {
            ado::Recordset &rows = query();
            while (!rows.Eof()) {
                CMB.AddItem(rows.Fields(column).Value().toString());
                rows.MoveNext();
            }
            if (afterRows)
                afterRows();
            if (selection == Selection::First)
                CMB.setListIndex(0);
        },
        atLabel);
}
