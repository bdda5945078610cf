// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store's value texts on any text: a conversion either fails or gives a
// value in range, a single written back reads as the same single, and a stored position
// of any size lands on a whole pixel without overflow.
#include "core/app/SettingsValues.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace quillet::settings;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    (void)TextToBoolean(text);
    (void)TextToInteger(text);
    const std::optional<float> single = TextToSingle(text);
    if (!single)
        return 0;
    if (!std::isfinite(*single))
        std::abort();
    if (TextToSingle(SingleText(*single)) != single)
        std::abort();

    for (const double dotsPerInch : {72.0, 96.0, 144.0}) {
        const int pixels = TwipsToPixels(*single, dotsPerInch);
        const QRect stored(QPoint(pixels, pixels), QSize(623, 453));
        const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
        // A window that fits on the screens always opens wholly on one of them.
        const QRect placed(PlaceWindow(stored, screens, dotsPerInch), stored.size());
        if (!screens[0].contains(placed) && !screens[1].contains(placed))
            std::abort();
        (void)PixelsToTwips(pixels, dotsPerInch);
    }
    return 0;
}
