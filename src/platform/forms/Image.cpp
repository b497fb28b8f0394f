#include "platform/forms/Image.h"

#include "platform/runtime/RuntimeError.h"

#include <QFileInfo>

namespace forms {

Image::Image(QWidget *parent) : QLabel(parent)
{
    setScaledContents(true);
}

void Image::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    setPixmap(picture);
}

QPixmap LoadPicture(const QString &fileName)
{
    if (fileName.isEmpty())
        return QPixmap();
    const QString path = QString(fileName).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QFileInfo(path).isFile())
        throw rt::RuntimeError(rt::errFileNotFound, QStringLiteral("File not found"));
    QPixmap picture;
    if (!picture.load(path))
        throw rt::RuntimeError(rt::errInvalidPicture, QStringLiteral("Invalid picture"));
    return picture;
}

} // namespace forms
