#include "gui/chrome/displayscale.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
double g_scale = 1.0;
bool g_computed = false;
} // namespace

double Display::ScaleForDpi(double dpi)
{
    const double ratio = dpi / 96.0;
    if (ratio < 1.1)
        return 1.0;
    if (ratio < 1.4)
        return 1.25;
    if (ratio < 1.6)
        return 1.5;
    if (ratio < 1.8)
        return 1.75;
    return 2.0;
}

double Display::DisplayScale()
{
    if (!g_computed) {
        const QList<QScreen *> screens = QGuiApplication::screens();
        if (!screens.isEmpty()) {
            g_scale = Display::ScaleForDpi(screens.first()->logicalDotsPerInch());
            g_computed = true;
        }
    }
    return g_scale;
}

int Display::ScaledPixels(int n)
{
    return static_cast<int>(n * Display::DisplayScale());
}
