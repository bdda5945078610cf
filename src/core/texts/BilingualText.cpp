// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts/BilingualText.h"

namespace quillet {

BilingualText BilingualText::arg(const BilingualText &a) const
{
    return {english_.arg(a.english_), romanian_.arg(a.romanian_)};
}

BilingualText BilingualText::arg(const QString &a) const
{
    return {english_.arg(a), romanian_.arg(a)};
}

BilingualText BilingualText::arg(qint64 n) const
{
    return {english_.arg(n), romanian_.arg(n)};
}

BilingualText BilingualText::operator+(const BilingualText &after) const
{
    return {english_ + after.english_, romanian_ + after.romanian_};
}

} // namespace quillet
