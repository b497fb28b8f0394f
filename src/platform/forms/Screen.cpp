#include "platform/forms/Screen.h"

#include "platform/runtime/OnFirstUse.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

namespace forms {

namespace {

struct Areas {
    QRect geometry;
    QRect available;
};

std::optional<Areas> &standIn()
{
    static rt::OnFirstUse<std::optional<Areas>> areas;
    return areas.get();
}

} // namespace

QRect Screen::geometry()
{
    return standIn() ? standIn()->geometry : QGuiApplication::primaryScreen()->geometry();
}

QRect Screen::availableGeometry()
{
    return standIn() ? standIn()->available
                     : QGuiApplication::primaryScreen()->availableGeometry();
}

void Screen::setForTesting(const QRect &geometry, const QRect &availableGeometry)
{
    standIn() = Areas{geometry, availableGeometry};
}

} // namespace forms
