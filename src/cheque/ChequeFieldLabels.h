#pragma once

#include "cheque/ChequeRecordData.h"

#include <QRectF>
#include <QString>
#include <array>
#include <optional>

namespace forms {
class TwipsLabel;
}

// The seven labels that carry a cheque's fields on the preview and on the printed
// face, in the order of a layout profile's positions: the "A/c Pay Only" stamp, the
// date, the payee, the amount in words, the amount in figures, the account number and
// the signature text.
class ChequeFieldLabels {
public:
    static constexpr int Count = 7;
    // Left, then Top, of each field in turn, in twips.
    using Positions = std::array<float, 2 * Count>;
    // The caption of each field's row in the layout form's frame "Alignment".
    static const std::array<const char *, Count> RowCaptions;

    explicit ChequeFieldLabels(const std::array<forms::TwipsLabel *, Count> &labels);

    // A field as messages name it: its row caption without the colon.
    static QString name(int field);

    // The captions of a cheque; the stamp shows only for a flag of exactly "YES".
    void showCheque(const ChequeRecordData &cheque);
    void place(const Positions &positions);

    // A field whose text, as it stands on paper, does not lie wholly within an area.
    struct TextOutside {
        int field;
        QRectF text;
    };
    // The first such field in field order; hidden and empty fields print no text.
    std::optional<TextOutside> firstTextOutside(const QRectF &area) const;

private:
    std::array<forms::TwipsLabel *, Count> labels_;
};
