#pragma once

#include <QLabel>
#include <QPixmap>

namespace forms {

// An image control: shows its Picture scaled to its size; the empty picture shows
// nothing.
class Image : public QLabel {
    Q_OBJECT
public:
    explicit Image(QWidget *parent = nullptr);

    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap &picture);

private:
    QPixmap picture_;
};

// The platform's picture loader, reading a backslash as the path separator: the empty
// text gives the empty picture; a missing file raises error 53, a file that is not a
// picture error 481.
QPixmap LoadPicture(const QString &fileName = QString());

} // namespace forms
