#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Builds the controls of the shell's forms: each named as its form names it, placed at
// its position in twips (left, top, width, height) and drawn in its font.
namespace FormControls {

QLabel *label(QWidget *container, const char *name, const QString &caption,
              const QRect &twips, const QFont &font);
// A label whose caption wraps onto as many lines as its box holds.
QLabel *paragraph(QWidget *container, const char *name, const QString &caption,
                  const QRect &twips, const QFont &font);

// A text box whose characters show as "X", as the password boxes do.
QLineEdit *maskedTextBox(QWidget *container, const char *name, const QRect &twips,
                         const QFont &font);
QLineEdit *textBox(QWidget *container, const char *name, const QRect &twips,
                   const QFont &font);

QPushButton *button(QWidget *container, const char *name, const QString &caption,
                    const QRect &twips, const QFont &font);

// Text colour, and a background filled with a colour of its own (an invalid colour
// keeps the control transparent over what lies beneath it).
void setColours(QWidget *control, const QColor &text, const QColor &background = QColor());

// The colour of a colour value written as &H00BBGGRR&.
QColor fromBgr(unsigned int bgr);

} // namespace FormControls
