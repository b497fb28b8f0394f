#include "cheque/ChequeFace.h"

#include "platform/forms/Figures.h"
#include "platform/forms/TwipsLabel.h"

#include <QFrame>
#include <algorithm>
#include <vector>

namespace {

using LabelMember = forms::TwipsLabel *ChequeFaceControls::*;
using FigureMember = QFrame *ChequeFaceControls::*;

// One control of the design: a label with its caption and face, or a figure (a
// rectangle, or a line from the top-left to the bottom-right corner of its twips).
struct FacePart {
    const char *name = nullptr;
    QRectF twips;
    LabelMember label = nullptr;
    QString caption;
    QString fontName;
    double fontSize = 9.75;
    QColor foreColor = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft;
    FigureMember figure = nullptr;
    bool line = false;
};

FacePart label(const char *name, LabelMember member, const QString &caption, const QRectF &twips,
               const char *fontName, double fontSize, const QColor &foreColor = Qt::black,
               Qt::Alignment alignment = Qt::AlignLeft)
{
    return {name, twips, member, caption, QString::fromLatin1(fontName), fontSize, foreColor,
            alignment};
}

FacePart sans(const char *name, LabelMember member, const QString &caption, const QRectF &twips)
{
    return label(name, member, caption, twips, "MS Sans Serif", 9.75);
}

FacePart verdana(const char *name, LabelMember member, const QString &caption,
                 const QRectF &twips)
{
    return label(name, member, caption, twips, "Verdana", 9.75);
}

FacePart figure(const char *name, FigureMember member, const QRectF &twips, bool line = false)
{
    FacePart part;
    part.name = name;
    part.twips = twips;
    part.figure = member;
    part.line = line;
    return part;
}

QString underscores(int count)
{
    return QString(count, QLatin1Char('_'));
}

// The design, from the bottom of its stacking order up.
std::vector<FacePart> design()
{
    using C = ChequeFaceControls;
    const QColor Red192(192, 0, 0);
    return {
        label("lblacpay", &C::lblacpay, QStringLiteral("A\\C Pay Only"),
              QRectF(120, 120, 1455, 255), "MS Sans Serif", 8.25, Red192),
        verdana("lblDate", &C::lblDate, QStringLiteral("Date :"), QRectF(9360, 240, 495, 255)),
        verdana("lblDMY", &C::lblDMY, QStringLiteral("Date"), QRectF(9960, 240, 1455, 255)),
        sans("lblPay", &C::lblPay, QStringLiteral("Pay"), QRectF(2640, 720, 495, 255)),
        sans("lblName", &C::lblName, underscores(68), QRectF(3240, 720, 8415, 255)),
        sans("lblName1", &C::lblName1, underscores(77), QRectF(240, 1080, 9255, 255)),
        sans("lblOrBearer", &C::lblOrBearer, QStringLiteral("Or Bearer"),
             QRectF(9600, 1080, 2055, 255)),
        sans("lblRu", &C::lblRu, QStringLiteral("Rupees"), QRectF(240, 1560, 1095, 375)),
        sans("lblRupee", &C::lblRupee, underscores(51), QRectF(2520, 1560, 6255, 375)),
        sans("lblRupee1", &C::lblRupee1, underscores(70), QRectF(240, 1920, 8895, 255)),
        figure("Shape1", &C::Shape1, QRectF(240, 2280, 3735, 375)),
        figure("Line1", &C::Line1, QRectF(1200, 2280, 0, 360), true),
        label("lblac", &C::lblac, QStringLiteral("A/c. No."), QRectF(285, 2340, 855, 255),
              "MS Sans Serif", 8.25),
        label("lblaccountN", &C::lblaccountN, QStringLiteral("A/c. No."),
              QRectF(1440, 2340, 2295, 255), "MS Sans Serif", 8.25),
        figure("Shape2", &C::Shape2, QRectF(8760, 1560, 3015, 495)),
        verdana("lblR", &C::lblR, QStringLiteral("Rs."), QRectF(8880, 1680, 375, 255)),
        verdana("lblRs", &C::lblRs, QStringLiteral("Rs."), QRectF(9360, 1680, 1815, 255)),
        label("lblSign", &C::lblSign, QStringLiteral("Sign"), QRectF(5760, 3960, 5655, 255),
              "MS Sans Serif", 8.25, Qt::black, Qt::AlignRight),
        label("lblBankName", &C::lblBankName, QStringLiteral("Bank  Name"),
              QRectF(240, 3120, 5055, 1455), "MS Sans Serif", 12),
    };
}

} // namespace

QList<forms::TwipsLabel *> buildChequeFace(QWidget *form, ChequeFaceControls &controls,
                                           const ChequeFaceStyle &style)
{
    std::vector<FacePart> parts = design();
    if (style.stackedFromBankName)
        std::reverse(parts.begin(), parts.end());
    QList<forms::TwipsLabel *> labels;
    for (const FacePart &part : parts) {
        const auto resized = style.resized.find(part.name);
        const QRectF twips = resized == style.resized.end() ? part.twips : resized->second;
        if (part.label) {
            const forms::TwipsLabel::Look look{part.fontName, part.fontSize, true,
                                               part.foreColor, style.labelBackground,
                                               part.alignment};
            controls.*part.label = new forms::TwipsLabel(form, part.name, part.caption, twips, look);
            labels.append(controls.*part.label);
        } else if (part.line) {
            controls.*part.figure = forms::newLine(form, part.name, twips.topLeft().toPoint(),
                                                   twips.bottomRight().toPoint());
        } else {
            controls.*part.figure = forms::newRectangleShape(form, part.name, twips.toRect());
        }
    }
    return labels;
}
