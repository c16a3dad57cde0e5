// Name lists: element order (new names in front, copies reversed) and the
// set operations that the grammar analyses rely on.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "name_list.h"
#include "test_support.h"

namespace zedra {
namespace {

std::vector<std::string> names(const NameList& list) { return {list.begin(), list.end()}; }

NameList make(std::initializer_list<const char*> added) {
  NameList list;
  for (const char* name : added) list.add(name);
  return list;
}

using Names = std::vector<std::string>;

TEST(NameList, NewNamesGoToTheFrontWithoutDuplicates) {
  NameList list;
  EXPECT_TRUE(list.add("a"));
  EXPECT_TRUE(list.add("b"));
  EXPECT_FALSE(list.add("a"));
  EXPECT_TRUE(list.add("c"));
  EXPECT_EQ(names(list), (Names{"c", "b", "a"}));
  EXPECT_EQ(list.front(), "c");
  EXPECT_EQ(list.size(), 3u);
}

TEST(NameList, RemoveIfKeepsTheOrderOfTheRestAndTheirMembership) {
  // Long enough for the hash index.
  const auto numbered = [](int i) {
    std::string name(1, 'n');
    name += std::to_string(i);
    return name;
  };
  NameList list;
  Names expected;
  for (int i = 0; i < 40; ++i) list.add(numbered(i));
  for (int i = 39; i >= 0; --i)
    if (i % 3 != 0) expected.push_back(numbered(i));
  EXPECT_EQ(list.remove_if([](const std::string& name) { return std::stoi(name.substr(1)) % 3 == 0; }), 14u);
  EXPECT_EQ(names(list), expected);
  EXPECT_FALSE(list.contains("n3"));
  EXPECT_TRUE(list.contains("n4"));
  EXPECT_TRUE(list.add("n3"));
  EXPECT_EQ(list.front(), "n3");
  EXPECT_EQ(list.remove_if([](const std::string&) { return false; }), 0u);
}

TEST(NameList, LargeListsKeepMembershipThroughGrowthAndRemoval) {
  NameList list;
  Names expected;
  for (int i = 0; i < 1000; ++i) {
    std::string name(1, 'x');
    name += std::to_string(i * 7919 % 1000);
    EXPECT_TRUE(list.add(name));
    EXPECT_FALSE(list.add(name));
    expected.insert(expected.begin(), name);
  }
  EXPECT_EQ(names(list), expected);
  for (const std::string& name : expected) EXPECT_TRUE(list.contains(name)) << name;
  EXPECT_FALSE(list.contains("x1000"));
  EXPECT_FALSE(list.contains("x"));
  EXPECT_TRUE(list.remove(expected[500]));
  EXPECT_FALSE(list.contains(expected[500]));
  EXPECT_TRUE(list.contains(expected[501]));
  expected.erase(expected.begin() + 500);
  EXPECT_EQ(names(list), expected);
  NameList copy = list;
  EXPECT_TRUE(copy.add("fresh"));
  EXPECT_FALSE(list.contains("fresh"));
  EXPECT_TRUE(copy.contains(expected[0]));
}

TEST(NameList, ComparisonIsExact) {
  NameList list = make({"Expr"});
  EXPECT_TRUE(list.contains("Expr"));
  EXPECT_FALSE(list.contains("expr"));
  EXPECT_FALSE(list.contains("Exp"));
  EXPECT_TRUE(list.add("expr"));
}

TEST(NameList, CopyReversesTheOrder) {
  const NameList source = make({"a", "b", "c"});  // c b a
  NameList target = make({"x"});
  target.copy_from(source);
  EXPECT_EQ(names(target), (Names{"a", "b", "c"}));
  target.copy_from(target);
  EXPECT_EQ(names(target), (Names{"a", "b", "c"}));
}

TEST(NameList, UnionCopiesTheFirstAndAddsTheSecond) {
  const NameList a = make({"a", "b"});       // b a
  const NameList b = make({"c", "a", "d"});  // d a c
  NameList target;
  NameList::unite(target, a, b);
  EXPECT_EQ(names(target), (Names{"c", "d", "a", "b"}));
}

TEST(NameList, UnionIntoTheFirstOperandAddsOnly) {
  NameList a = make({"a", "b"});             // b a
  const NameList b = make({"c", "a", "d"});  // d a c
  NameList::unite(a, a, b);
  EXPECT_EQ(names(a), (Names{"c", "d", "b", "a"}));
}

TEST(NameList, UnionIntoTheSecondOperandKeepsItsNames) {
  const NameList a = make({"a", "b"});  // b a
  NameList b = make({"c", "a"});        // a c
  NameList::unite(b, a, b);
  EXPECT_EQ(names(b), (Names{"c", "a", "b"}));
}

TEST(NameList, SubsetAndDisjoint) {
  const NameList small = make({"a", "b"});
  const NameList large = make({"b", "c", "a"});
  const NameList other = make({"x", "y"});
  const NameList empty;
  EXPECT_TRUE(small.is_subset_of(large));
  EXPECT_FALSE(large.is_subset_of(small));
  EXPECT_TRUE(empty.is_subset_of(small));
  EXPECT_TRUE(small.is_disjoint_from(other));
  EXPECT_FALSE(small.is_disjoint_from(large));
  EXPECT_TRUE(empty.is_disjoint_from(empty));
}

TEST(NameList, RemoveAndClear) {
  NameList list = make({"a", "b", "c"});
  EXPECT_TRUE(list.remove("b"));
  EXPECT_FALSE(list.remove("b"));
  EXPECT_EQ(names(list), (Names{"c", "a"}));
  list.clear();
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(list.contains("a"));
}

TEST(NameList, LargeListsKeepOrderAndMembership) {
  NameList list;
  for (int i = 0; i < 1000; ++i) list.add(test::numbered("n", i));
  for (int i = 0; i < 1000; i += 2) EXPECT_FALSE(list.add(test::numbered("n", i)));
  EXPECT_EQ(list.size(), 1000u);
  EXPECT_EQ(list.front(), "n999");
  EXPECT_TRUE(list.remove("n500"));
  EXPECT_FALSE(list.contains("n500"));
  EXPECT_TRUE(list.contains("n501"));
  NameList copy;
  copy.copy_from(list);
  EXPECT_EQ(copy.front(), "n0");
  EXPECT_TRUE(copy.contains("n999"));
  NameList assigned = copy;
  EXPECT_TRUE(assigned.contains("n42"));
  EXPECT_FALSE(assigned.add("n42"));
  NameList moved = std::move(assigned);
  EXPECT_TRUE(moved.contains("n43"));
  EXPECT_TRUE(moved.is_subset_of(list));
  EXPECT_TRUE(list.is_subset_of(moved));
}

TEST(NameList, CrossingTheIndexThresholdKeepsMembership) {
  NameList list;
  for (int i = 0; i < 20; ++i) {
    list.add(test::numbered("s", i));
    for (int j = 0; j <= i; ++j) ASSERT_TRUE(list.contains(test::numbered("s", j))) << i << j;
    ASSERT_FALSE(list.contains(test::numbered("s", i + 1)));
  }
  for (int i = 19; i >= 0; --i) {
    ASSERT_TRUE(list.remove(test::numbered("s", i)));
    for (int j = 0; j < i; ++j) ASSERT_TRUE(list.contains(test::numbered("s", j)));
  }
  EXPECT_TRUE(list.empty());
}

TEST(NameList, RemovingANameGivenByTheListItself) {
  NameList list;
  for (int i = 0; i < 12; ++i) list.add(test::numbered("long_name_beyond_small_buffer_", i));
  while (!list.empty()) ASSERT_TRUE(list.remove(list.front()));
  EXPECT_FALSE(list.contains("long_name_beyond_small_buffer_0"));
}

// Copies share their names until one of them changes: every change to a
// copy, of a small list and of one above the index threshold, leaves the
// original as it was, and a search of the original (which makes the shared
// index) leaves the copy as it was.
TEST(NameList, ChangingACopyLeavesTheOriginal) {
  for (int size : {3, 40}) {
    NameList original;
    for (int i = 0; i < size; ++i) original.add(test::numbered("o", i));
    const Names before = names(original);
    NameList other = make({"x", "o1"});
    const std::vector<std::function<void(NameList&)>> changes = {
        [](NameList& list) { list.add("fresh"); },
        [](NameList& list) { list.remove("o1"); },
        [](NameList& list) { list.remove_if([](const std::string& name) { return name == "o2"; }); },
        [](NameList& list) { list.clear(); },
        [&](NameList& list) { list.copy_from(other); },
        [&](NameList& list) { list.add_all(other); },
        [&](NameList& list) { NameList::unite(list, list, other); },
        [&](NameList& list) { NameList::unite(list, other, list); },
    };
    for (std::size_t k = 0; k < changes.size(); ++k) {
      NameList copy = original;
      changes[k](copy);
      EXPECT_EQ(names(original), before) << size << " " << k;
      EXPECT_TRUE(original.contains("o1")) << size << " " << k;
      EXPECT_FALSE(original.contains("fresh")) << size << " " << k;
      NameList second = copy;
      const Names copied = names(copy);
      EXPECT_FALSE(second.contains("absent"));
      EXPECT_EQ(names(copy), copied) << size << " " << k;
    }
  }
}

// An entry, made from a name or read from a list, adds that name exactly
// as adding it by its text does.
TEST(NameList, EntriesAddTheirNames) {
  const NameList source = make({"a", "b", "c"});
  NameList by_entry, by_text;
  for (auto name = source.begin(); name != source.end(); ++name) {
    EXPECT_EQ(name.entry().name(), *name);
    EXPECT_EQ(by_entry.add(name.entry()), by_text.add(*name));
  }
  EXPECT_EQ(names(by_entry), names(by_text));
  const NameList::Entry fresh("entry_only");
  EXPECT_TRUE(by_entry.add(fresh));
  EXPECT_FALSE(by_entry.add(NameList::Entry("entry_only")));
  EXPECT_TRUE(by_entry.contains("entry_only"));
  EXPECT_EQ(names(by_entry), (Names{"entry_only", "a", "b", "c"}));
}

// Reversed copies of one list share their names with each other and with
// the reverse of the reverse; whichever of them changes (in place when it
// alone holds its names), every list keeps its own names, and reversing
// any of them afterwards gives exactly its names in reverse order.
TEST(NameList, ReversedCopiesStayExactWhicheverOfThemChanges) {
  const auto backwards = [](const NameList& list) {
    Names order = names(list);
    return Names(order.rbegin(), order.rend());
  };
  for (int size : {3, 40}) {
    const NameList other = make({"x", "o1"});
    const std::vector<std::function<void(NameList&)>> changes = {
        [](NameList& list) { list.add("fresh"); },
        [](NameList& list) { list.remove("o1"); },
        [](NameList& list) { list.remove_if([](const std::string& name) { return name == "o2"; }); },
        [&](NameList& list) { list.add_all(other); },
        [&](NameList& list) { NameList::unite(list, other, list); },
    };
    for (std::size_t k = 0; k < changes.size(); ++k) {
      // Two lists that each hold their names alone, or four that share.
      for (int changed = 0; changed < 6; ++changed) {
        std::vector<NameList> lists(1);
        for (int i = 0; i < size; ++i) lists[0].add(test::numbered("o", i));
        lists.push_back(reversed(lists[0]));
        if (changed >= 2) {
          lists.push_back(reversed(lists[0]));
          lists.push_back(reversed(lists[1]));
          EXPECT_EQ(names(lists[3]), names(lists[0]));
        }
        std::vector<Names> before;
        for (const NameList& list : lists) before.push_back(names(list));
        EXPECT_EQ(before[1], backwards(lists[0]));
        const std::size_t target = changed < 2 ? changed : changed - 2;
        changes[k](lists[target]);
        for (std::size_t i = 0; i < lists.size(); ++i) {
          if (i != target) {
            EXPECT_EQ(names(lists[i]), before[i]) << size << " " << k << " " << i;
          }
          EXPECT_EQ(names(reversed(lists[i])), backwards(lists[i])) << size << " " << k << " " << i;
          NameList copy;
          copy.copy_from(lists[i]);
          EXPECT_EQ(names(copy), backwards(lists[i])) << size << " " << k << " " << i;
        }
      }
    }
  }
}

// Lists hold the names of one table for the whole program: lists built in
// two threads at once from the same names keep each its own names, in its
// own order, and the names read back are the ones added.
TEST(NameList, ListsOfTwoThreadsShareTheTableOfNames) {
  const auto build = [](int stride, Names& read_back) {
    NameList list;
    for (int i = 0; i < 3000; ++i) list.add(test::numbered("shared_", (i * stride) % 3000));
    read_back = names(list);
  };
  Names first, second;
  std::thread other(build, 7, std::ref(second));
  build(11, first);
  other.join();
  ASSERT_EQ(first.size(), 3000u);
  ASSERT_EQ(second.size(), 3000u);
  EXPECT_EQ(first.front(), test::numbered("shared_", (2999 * 11) % 3000));
  EXPECT_EQ(second.front(), test::numbered("shared_", (2999 * 7) % 3000));
  EXPECT_EQ(std::set<std::string>(first.begin(), first.end()), std::set<std::string>(second.begin(), second.end()));
}

}  // namespace
}  // namespace zedra
