#include "platform/forms/FormControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace forms::FormControls {

namespace {

// The width the style leaves a button's caption once its frame or indicator is drawn.
int captionWidth(QAbstractButton *button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(contents, &option, button).width();
}

template <class Control>
Control *condensedIfCutOff(Control *control, int captionWidth)
{
    if (control->fontMetrics().horizontalAdvance(control->text()) > captionWidth) {
        QFont condensed = control->font();
        condensed.setStretch(QFont::SemiCondensed);
        control->setFont(condensed);
    }
    return control;
}

} // namespace

QLabel *label(QWidget *container, const char *name, const QString &caption, const QRect &twips,
              const QFont &font, Qt::Alignment alignment)
{
    auto *control = place(new QLabel(caption, container), name, twips, font);
    control->setAlignment(alignment);
    return condensedIfCutOff(control, control->contentsRect().width());
}

QLabel *paragraph(QWidget *container, const char *name, const QString &caption,
                  const QRect &twips, const QFont &font)
{
    auto *control = place(new QLabel(caption, container), name, twips, font);
    control->setWordWrap(true);
    return control;
}

QLineEdit *textBox(QWidget *container, const char *name, const QRect &twips, const QFont &font)
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

QComboBox *comboBox(QWidget *container, const char *name, const QRect &twips, const QFont &font)
{
    auto *box = place(new QComboBox(container), name, twips, font);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    // An editable box would select the item that matches a typed text, and report it
    // as picked, on Enter and when the focus leaves; a typed text is not a pick.
    QObject::disconnect(box->lineEdit(), &QLineEdit::returnPressed, box, nullptr);
    QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
    return box;
}

DatePicker *datePicker(QWidget *container, const char *name, const QRect &twips, const QFont &font,
                       const QString &displayFormat)
{
    DatePicker *picker = place(new DatePicker(container), name, twips, font);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(displayFormat);
    return picker;
}

QPushButton *button(QWidget *container, const char *name, const QString &caption,
                    const QRect &twips, const QFont &font)
{
    auto *control = place(new QPushButton(caption, container), name, twips, font);
    return condensedIfCutOff(control, captionWidth(control, QStyle::SE_PushButtonContents));
}

QRadioButton *optionButton(QWidget *container, const char *name, const QString &caption,
                           const QRect &twips, const QFont &font)
{
    auto *control = place(new QRadioButton(caption, container), name, twips, font);
    return condensedIfCutOff(control, captionWidth(control, QStyle::SE_RadioButtonContents));
}

void setTabSequence(std::initializer_list<QWidget *> order)
{
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
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

} // namespace forms::FormControls
