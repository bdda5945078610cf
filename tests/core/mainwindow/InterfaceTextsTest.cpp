// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/InterfaceTexts.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

// The column headings are checked through the window; here, that no row lacks a language.
TEST(InterfaceTexts, EveryRowWithItsOwnTextHasItInBothLanguages)
{
    for (const InterfaceText &row : InterfaceTextRows()) {
        const bool ownText = row.target != TextTarget::ColumnHeadings
                             && row.target != TextTarget::mnuCopyRec2_FromCopyRec
                             && row.target != TextTarget::mnuCopyTranslation2_FromCopyTranslation;
        EXPECT_EQ(!row.english.isEmpty(), ownText) << static_cast<int>(row.target);
        EXPECT_EQ(!row.romanian.isEmpty(), ownText) << static_cast<int>(row.target);
    }
}

} // namespace
} // namespace quillet
