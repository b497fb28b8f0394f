#pragma once

#include "platform/forms/DatePicker.h"
#include "platform/forms/Twips.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <initializer_list>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Builds the controls of the forms: each named as its form names it, placed at its
// position in twips (left, top, width, height) and drawn in its font. A caption that
// would be cut off at its control's edge is drawn condensed: the stand-in face runs
// wider than the one the forms were laid out in.
namespace forms::FormControls {

template <class Control>
Control *place(Control *control, const char *name, const QRect &twips, const QFont &font)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setFont(font);
    setTwipsGeometry(control, twips.left(), twips.top(), twips.width(), twips.height());
    return control;
}

QLabel *label(QWidget *container, const char *name, const QString &caption,
              const QRect &twips, const QFont &font,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// A label whose caption wraps onto as many lines as its box holds.
QLabel *paragraph(QWidget *container, const char *name, const QString &caption,
                  const QRect &twips, const QFont &font);

QLineEdit *textBox(QWidget *container, const char *name, const QRect &twips,
                   const QFont &font);
// A text box whose characters show as "X", as the password boxes do.
QLineEdit *maskedTextBox(QWidget *container, const char *name, const QRect &twips,
                         const QFont &font);

// A combo box the user may also type into. What is typed stays as typed: it is never
// completed from the list, never added to it, and never taken for a pick from it (only
// the open list and the arrow keys pick an item).
QComboBox *comboBox(QWidget *container, const char *name, const QRect &twips,
                    const QFont &font);

// A date picker that drops a calendar down and shows its date in the display format;
// Tab moves on to the next control.
DatePicker *datePicker(QWidget *container, const char *name, const QRect &twips, const QFont &font,
                       const QString &displayFormat);

QPushButton *button(QWidget *container, const char *name, const QString &caption,
                    const QRect &twips, const QFont &font);
QRadioButton *optionButton(QWidget *container, const char *name, const QString &caption,
                           const QRect &twips, const QFont &font);

// Tab moves through the controls in the order given.
void setTabSequence(std::initializer_list<QWidget *> order);

// Text colour, and a background filled with a colour of its own (an invalid colour
// keeps the control transparent over what lies beneath it).
void setColours(QWidget *control, const QColor &text, const QColor &background = QColor());

// The colour of a colour value written as &H00BBGGRR&.
QColor fromBgr(unsigned int bgr);

} // namespace forms::FormControls
