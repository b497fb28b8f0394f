#pragma once

#include "data/Module1.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <type_traits>

class CommonClass;

namespace forms {
class Control;
}
namespace rt {
class RuntimeError;
}

// How a data class reaches the database and the conventions it keeps around each
// statement, so that a member reads as its steps. An instance binds a class's own
// CommonClass and the text variable its statements are put into; the rest is shared.
//
// The three ways of reaching the database:
//   1. own connection: connectAndRun (connect, then Rs over Con), runOnCon (Con as
//      the caller left it), closeCon;
//   2. a module recordset: runOnModuleRecordset, on the shared connection, which it
//      opens when it is closed;
//   3. Rs over the shared connection: runOnSharedConnection, which opens it when it is
//      closed (the login and the forms' unloads close it), so no statement reads an
//      empty result off a closed connection.
// Every statement closes its recordset first when it is open and opens it with a
// keyset cursor, read-only.
class DataAccess {
public:
    DataAccess(CommonClass &common, QString &text);

    ado::Recordset &connectAndRun(const QString &sql);
    ado::Recordset &runOnCon(const QString &sql);
    // The same on another recordset of the caller's (RsTwo, RsThree, a module one).
    ado::Recordset &runOnCon(const QString &sql, ado::Recordset &recordset);
    void closeCon();
    ado::Recordset &runOnSharedConnection(const QString &sql);
    static ado::Recordset &runOnModuleRecordset(
        const QString &sql, QString &text = Module1::SharedSql(),
        ado::Recordset &recordset = Module1::SharedRecordset());

    // The error label. The steps run guarded: a run-time error skips the rest of them
    // and goes to the label, where `atLabel` (when given) runs first and then the
    // label's own kind: Silent does nothing more, Description shows the error's
    // description (OK button, the application's title). Gives true when the steps ran
    // to their end.
    enum class Label { Silent, Description };
    static bool guarded(Label label, const std::function<void()> &steps,
                        const std::function<void(const rt::RuntimeError &)> &atLabel = {});

    // The value kind of the label: what the steps give, or `onError` when they fail.
    template <class T>
    static T valueOr(T onError, const std::type_identity_t<std::function<T()>> &steps)
    {
        T result = onError;
        guarded(Label::Silent, [&] { result = steps(); });
        return result;
    }

    // The copy from controls into fields: the steps stop at the first failure, which is
    // shown under "ENTRY ERROR" (critical icon). Gives true when the copy failed.
    static bool copyFromControls(const std::function<void()> &steps);
    // One copy into a control made on its own: a control that fails is left as it is
    // and the copy goes on with the next one.
    static void skipFailure(const std::function<void()> &assignment);

    // The serial finders: the first column of the query's row plus 1, or `whenNone`
    // when the query fails or the table is empty (a Null maximum). Past 32767 there is
    // no next serial: Overflow goes to the caller, so no serial is given out twice.
    static std::int16_t nextSerial(const std::function<ado::Recordset &()> &maxQuery,
                                   std::int16_t whenNone = 1);

    // The first column of a sum: a sum over no rows is Null and counts as 0; a query
    // that fails raises.
    static double sumOf(const ado::Recordset &rows);

    // A row exists when the query gives at least one.
    static bool exists(const ado::Recordset &rows) { return rows.RecordCount() >= 1; }

    // A delete that says so: the steps run it, then "Deleted" (title "Delete") is
    // shown; a failure shows its description instead. Gives true when it ran.
    static bool deleteRows(const std::function<void()> &runDelete);

    // The Fill family: clears the list, then, guarded, adds the column of every row the
    // query gives and selects the first item, which raises the combo's Click. An empty
    // result fails that selection and goes to the label.
    static void fill(forms::Control &CMB, Label label,
                     const std::function<ado::Recordset &()> &query, const QString &column);
    // The same over the own connection: connect, add the rows, close Con, then select
    // the first item unless told not to. A failure goes to the label with Con open.
    enum class Selection { First, None };
    void fillOverCon(forms::Control &CMB, const QString &sql, const QString &column,
                     Label label = Label::Silent, Selection selection = Selection::First,
                     const std::function<void(const rt::RuntimeError &)> &atLabel = {});

private:
    static void fillRows(forms::Control &CMB, Label label,
                         const std::function<ado::Recordset &()> &query, const QString &column,
                         const std::function<void()> &afterRows,
                         const std::function<void(const rt::RuntimeError &)> &atLabel,
                         Selection selection);

    CommonClass &common_;
    QString &text_;
};
