// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/PasteTip.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace quillet {

int PasteTipPadding(qsizetype titleLength, qsizetype textLength)
{
    const double centred = double(titleLength - textLength) / 1.2;
    // nearbyint rounds in the default mode, to the nearest with halves to even.
    return int(std::max(1.0, std::nearbyint(centred)));
}

QString PasteTip(const QString &title, const QString &clipboardText)
{
    const QString pad(PasteTipPadding(title.size(), clipboardText.size()), u' ');
    return title + u":\r\n\r\n"_s + pad + clipboardText + u"\r\n\r\n"_s;
}

} // namespace quillet
