#include "shell/FormControls.h"

#include "platform/forms/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace FormControls {

namespace {

template <class Control>
Control *place(Control *control, const char *name, const QRect &twips, const QFont &font)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setFont(font);
    forms::setTwipsGeometry(control, twips.left(), twips.top(), twips.width(), twips.height());
    return control;
}

} // namespace

QLabel *paragraph(QWidget *container, const char *name, const QString &caption,
                  const QRect &twips, const QFont &font)
{
    auto *control = place(new QLabel(caption, container), name, twips, font);
    control->setWordWrap(true);
    return control;
}

QLabel *label(QWidget *container, const char *name, const QString &caption,
              const QRect &twips, const QFont &font)
{
    auto *control = place(new QLabel(caption, container), name, twips, font);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The stand-in face runs wider than the one the forms were laid out in; a caption
    // that would be cut off at its box's edge is drawn condensed instead.
    if (control->fontMetrics().horizontalAdvance(caption) > control->width()) {
        QFont condensed = font;
        condensed.setStretch(QFont::SemiCondensed);
        control->setFont(condensed);
    }
    return control;
}

QLineEdit *textBox(QWidget *container, const char *name, const QRect &twips,
                   const QFont &font)
{
    return place(new QLineEdit(container), name, twips, font);
}

QLineEdit *maskedTextBox(QWidget *container, const char *name, const QRect &twips,
                         const QFont &font)
{
    QLineEdit *box = textBox(container, name, twips, font);
    box->setEchoMode(QLineEdit::Password);
    // 88 is "X"; the style would otherwise draw its own bullet.
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 88; }"));
    return box;
}

QPushButton *button(QWidget *container, const char *name, const QString &caption,
                    const QRect &twips, const QFont &font)
{
    return place(new QPushButton(caption, container), name, twips, font);
}

void setColours(QWidget *control, const QColor &text, const QColor &background)
{
    QPalette palette = control->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    if (background.isValid()) {
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, background);
        control->setAutoFillBackground(true);
    }
    control->setPalette(palette);
}

QColor fromBgr(unsigned int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace FormControls
