#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The pictures of the shell's forms, drawn at run time: deep gradients under fine
// guilloche lines, the security engraving of a cheque leaf.
class ShellPictures {
public:
    // Behind the login form's controls: navy into teal, with a woven band.
    static QPixmap loginBackground(const QSize &size);
    // The main window's workspace: the window's blue with a large rosette.
    static QPixmap mainBackground(const QSize &size);
    // The about box: black with a red rosette behind the maker's text.
    static QPixmap aboutPicture(const QSize &size);
    // The splash form: the login's colours with a rosette beside the band.
    static QPixmap splashPicture(const QSize &size);
    // The program's window icon: a gold rosette on the main window's blue.
    static QIcon windowIcon();
};
