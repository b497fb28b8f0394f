#pragma once

#include "cheque/ChequeRecordData.h"

#include <array>

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

    explicit ChequeFieldLabels(const std::array<forms::TwipsLabel *, Count> &labels);

    // The captions of a cheque; the stamp shows only for a flag of exactly "YES".
    void showCheque(const ChequeRecordData &cheque);
    void place(const Positions &positions);

private:
    std::array<forms::TwipsLabel *, Count> labels_;
};
