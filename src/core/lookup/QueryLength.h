// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillet {

// The longest query, in UTF-16 code units: what the query box takes, and what a word sent
// over the session bus may be.
inline constexpr int MaxQueryLength = 1000;

} // namespace quillet
