// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary the program ships: it opens through the loader and holds at least the
// headwords promised for each direction. Its words are not asserted here.
#include "core/dictionary/DictionaryLoader.h"

#include <gtest/gtest.h>

using namespace quillet;

TEST(ShippedDictionary, OpensAndHoldsTheTargetCounts)
{
    DictTable table;
    table.setEntryCount(DictTable::EnglishRomanian, DictTable::Capacity);
    LoadObserver quiet;
    const LoadResult result = DictionaryLoader(QStringLiteral(QUILLET_PROGRAM_DIR)).LoadDictionary(table, quiet);
    ASSERT_TRUE(result.loaded) << result.failure.message().toStdString();
    EXPECT_GE(table.EntryCount(DictTable::EnglishRomanian), 45000);
    EXPECT_GE(table.EntryCount(DictTable::RomanianEnglish), 50000);
}
