#pragma once

#include "platform/forms/Form.h"

class QFrame;
class QLabel;

// The about box: the maker's text inside a red frame; only Esc closes it.
class About : public forms::Form {
    Q_OBJECT
public:
    explicit About(QWidget *parent = nullptr);

    QLabel *Image1;
    QFrame *Shape3;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;

public slots:
    void Form_Load() override;
};
