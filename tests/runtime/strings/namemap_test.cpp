// The name map: its hash, case-insensitive keys, replacement and insertion order.
#include "runtime/strings/stringmap.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(NameMap, HashFoldsAsciiLettersAndShiftsByTwo)
{
    // "ab" and "AB": ('A') then 'B' ^ ('A' << 2).
    uint32_t expected = 'B' ^ ('A' << 2);
    EXPECT_EQ(nameMapHash("ab", 2), expected);
    EXPECT_EQ(nameMapHash("AB", 2), expected);
    EXPECT_EQ(nameMapHash("", 0), 0u);
}

TEST(NameMap, KeysMatchWithoutRegardToCaseAndReplaceTheirValue)
{
    NameMap map;
    nameMapInit(map);
    int one, two, three;
    StringRef pushButton(stringFromText("PushButton1")), field(stringFromText("Field")),
        sameButton(stringFromText("pushbutton1"));
    nameMapPut(map, pushButton.get(), &one);
    nameMapPut(map, field.get(), &two);
    nameMapPut(map, sameButton.get(), &three);
    ASSERT_NE(nameMapFindText(map, "PUSHBUTTON1"), nullptr);
    EXPECT_EQ(nameMapFindText(map, "PUSHBUTTON1")->value, &three);
    EXPECT_EQ(nameMapFindText(map, "field")->value, &two);
    EXPECT_EQ(nameMapFindText(map, "Field2"), nullptr);
    std::string order;
    for (NameMapEntry* entry = map.firstAdded; entry; entry = entry->nextAdded)
        order += std::string(stringText(entry->key)) + ";";
    EXPECT_EQ(order, "PushButton1;Field;");
    EXPECT_EQ(pushButton.get()->count, 2) << "the map holds a reference to its key";
    nameMapClear(map);
    EXPECT_EQ(pushButton.get()->count, 1);
}

} // namespace
