#pragma once

#include "platform/forms/Form.h"

#include <cstdint>

class QLabel;
class QTimer;

// The splash form: after its second timer tick it opens the login form and hides.
// Nothing in the program loads it.
class Stratform : public forms::Form {
    Q_OBJECT
public:
    explicit Stratform(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QTimer *Timer1;

    std::int16_t ticks() const { return ticks_; }

public slots:
    void Form_Load() override;
    void Timer1_Timer();

protected:
    void Form_Unload() override;

private:
    void moveOn();

    std::int16_t ticks_ = 0;
};
