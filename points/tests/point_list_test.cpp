#include "points/point_list.h"

#include <gtest/gtest.h>

#include <string>

#include "points/program_failure.h"

namespace {

TEST(PointList, KeepsLinesInAppendOrderWithDuplicates) {
    points::PointList list;
    EXPECT_EQ(list.count(), 0);
    list.append("X=1 Y=2 Z=3");
    list.append("X=1 Y=2 Z=3");
    list.append("X=4 Y=5 Z=6");
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.lineAt(0), "X=1 Y=2 Z=3");
    EXPECT_EQ(list.lineAt(1), "X=1 Y=2 Z=3");
    EXPECT_EQ(list.lineAt(2), "X=4 Y=5 Z=6");
    EXPECT_THROW(list.lineAt(3), points::ProgramFailure);
    EXPECT_THROW(list.lineAt(-1), points::ProgramFailure);

    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_THROW(list.lineAt(0), points::ProgramFailure);
    list.append("X=7 Y=8 Z=9");
    EXPECT_EQ(list.lineAt(0), "X=7 Y=8 Z=9");
}

TEST(PointList, HoldsAtMost32767LinesAndLosesNoneWhenFull) {
    points::PointList list;
    for (int i = 0; i < points::PointList::kMaxLines; ++i) list.append("X=" + std::to_string(i));
    EXPECT_EQ(list.count(), 32767);
    EXPECT_THROW(list.append("one too many"), points::ProgramFailure);
    EXPECT_THROW(list.append("still too many"), points::ProgramFailure);
    EXPECT_EQ(list.count(), 32767);
    EXPECT_EQ(list.lineAt(0), "X=0");
    EXPECT_EQ(list.lineAt(32766), "X=32766");
}

}  // namespace
