#include "views/common/group_table.h"

#include <gtest/gtest.h>

namespace {

using views::GroupTable;

struct Registration
{
    const char *name;
    int number;
    bool changed;
    int numberAfter;
};

// Each step registers a record's group on the table the steps before built.
TEST(GroupTableTest, RegistersAddsRenamesAndMovesByTheRules)
{
    const Registration steps[] = {
        {"", -1, false, -1},       // no group at all
        {"family", 1, true, 1},    // unknown number: added
        {"work", 2, true, 2},      //
        {"family", 1, false, 1},   // known as it is
        {"work", 7, false, 2},     // unknown number, known name: moved to the name's number
        {"work", 1, false, 2},     // known number, name of another: moved
        {"relatives", 1, true, 1}, // known number, new name: renamed
        {"club", -1, true, -1},    // a name without number is kept under -1
    };
    GroupTable table;
    for (const Registration &step : steps) {
        int number = step.number;
        EXPECT_EQ(table.registerGroup(step.name, number), step.changed) << step.name;
        EXPECT_EQ(number, step.numberAfter) << step.name;
    }
    ASSERT_EQ(table.count(), 3);
    EXPECT_EQ(table.nameOfNumber(1), "relatives");
    EXPECT_EQ(table.numberOfName("work"), 2);
    EXPECT_EQ(table.numberOfName("club"), -1);
    EXPECT_EQ(table.indexOfNumber(-1), 2);
    EXPECT_EQ(table.numberOfName("family"), -1) << "renamed away";
}

TEST(GroupTableTest, LookupsOutsideTheTableAreEmpty)
{
    GroupTable table;
    int number = 4;
    table.registerGroup("a", number);
    EXPECT_EQ(table.numberAt(0), 4);
    EXPECT_EQ(table.nameAt(0), "a");
    EXPECT_EQ(table.numberAt(1), -1);
    EXPECT_EQ(table.numberAt(-1), -1);
    EXPECT_EQ(table.nameAt(1), "");
    EXPECT_EQ(table.nameOfNumber(5), "");
    EXPECT_EQ(table.indexOfNumber(5), -1);
    EXPECT_EQ(table.numberOfName("A"), -1) << "names compare by bytes";
    table.clear();
    EXPECT_EQ(table.count(), 0);
}

} // namespace
