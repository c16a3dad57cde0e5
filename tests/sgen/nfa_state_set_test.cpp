#include <gtest/gtest.h>

#include <vector>

#include "nfa/state_set.h"
#include "nfa_test_support.h"

namespace zedra {
namespace {

using test::members;

TEST(StateSetTest, InsertTestAndRemoveAcrossWords) {
  StateSet set;
  EXPECT_TRUE(set.empty());
  set.insert(0);
  set.insert(31);
  set.insert(32);
  set.insert(255);
  EXPECT_EQ(members(set), (std::vector<int>{0, 31, 32, 255}));
  EXPECT_TRUE(set.contains(255));
  EXPECT_FALSE(set.contains(254));
  EXPECT_FALSE(set.contains(256));
  EXPECT_FALSE(set.contains(-1));
  set.insert(256);  // outside the range: ignored
  set.insert(-3);
  EXPECT_EQ(set.size(), 4);
  set.remove(255);
  set.remove(32);
  set.remove(31);
  set.remove(0);
  EXPECT_TRUE(set.empty());
  EXPECT_EQ(set, StateSet{});
}

TEST(StateSetTest, EqualSetsHaveEqualRepresentations) {
  StateSet a;
  a.insert(200);
  a.insert(3);
  a.remove(200);  // the length shrinks again
  EXPECT_EQ(a, StateSet::of(3));
  StateSet b = StateSet::of(100);
  b &= StateSet::of(3);
  EXPECT_TRUE(b.empty());
  EXPECT_EQ(b, StateSet{});
}

TEST(StateSetTest, RangesAndEmptyRanges) {
  StateSet set;
  set.insert_range('a', 'e');
  EXPECT_EQ(set.size(), 5);
  set.insert_range(9, 3);  // high below low: nothing
  EXPECT_EQ(set.size(), 5);
  set.insert_range(250, 300);
  EXPECT_EQ(members(set).back(), 255);
}

TEST(StateSetTest, SetAlgebra) {
  StateSet a;
  a.insert_range(1, 5);
  StateSet b;
  b.insert_range(4, 40);
  EXPECT_EQ(members(a | b).size(), 40u);
  EXPECT_EQ(members(a & b), (std::vector<int>{4, 5}));
  EXPECT_EQ(members(a - b), (std::vector<int>{1, 2, 3}));
  StateSet x = a;
  x ^= b;
  EXPECT_FALSE(x.contains(4));
  EXPECT_TRUE(x.contains(1));
  EXPECT_TRUE(x.contains(40));
  EXPECT_TRUE((a & b).is_subset_of(a));
  EXPECT_FALSE(a.is_subset_of(b));
  EXPECT_TRUE(StateSet{}.is_subset_of(a));
  StateSet same = a;
  same ^= a;
  EXPECT_TRUE(same.empty());
}

TEST(StateSetTest, TakeNextWalksAscendingAndRemoves) {
  StateSet set;
  set.insert(70);
  set.insert(5);
  set.insert(64);
  EXPECT_EQ(set.next(6), 64);
  EXPECT_EQ(set.take_next(), 5);
  EXPECT_EQ(set.take_next(65), 70);
  EXPECT_EQ(set.take_next(), 64);
  EXPECT_EQ(set.take_next(), -1);
  EXPECT_TRUE(set.empty());
}

}  // namespace
}  // namespace zedra
