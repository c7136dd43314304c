// _CVec growth and copying, _CLi link discipline.
#include "common/_CLi.h"
#include "common/_CVec.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CVec, CapacityFollowsTheGrowthSequence)
{
    const size_t expected[] = {8, 12, 18, 27, 40, 60, 90, 135, 202, 303, 454, 681, 1021};
    _CVec<unsigned char> v;
    EXPECT_EQ(v.capacity(), 0u);
    std::vector<size_t> seen;
    for (int i = 0; i < 1021; ++i) {
        v.push_back(static_cast<unsigned char>(i));
        if (seen.empty() || seen.back() != v.capacity())
            seen.push_back(v.capacity());
    }
    EXPECT_EQ(seen, std::vector<size_t>(std::begin(expected), std::end(expected)));
    EXPECT_EQ(_CVecCapacityFor(1), 8u);
    EXPECT_EQ(_CVecCapacityFor(9), 12u);
    EXPECT_EQ(_CVecCapacityFor(1022), 1531u);
}

TEST(CVec, NeverShrinksAndKeepsContentsAcrossGrowth)
{
    _CVec<int> v;
    for (int i = 0; i < 100; ++i)
        v.push_back(i);
    const size_t capacity = v.capacity();
    v.resize(3);
    EXPECT_EQ(v.capacity(), capacity);
    v.clear();
    EXPECT_EQ(v.capacity(), capacity);

    _CVec<int> w;
    const int head[] = {1, 2, 3};
    const int middle[] = {7, 8, 9, 10, 11, 12, 13, 14};
    w.assign(head, 3);
    w.insert(1, middle, 8);  // forces growth with a split copy
    const std::vector<int> got(w.begin(), w.end());
    EXPECT_EQ(got, (std::vector<int>{1, 7, 8, 9, 10, 11, 12, 13, 14, 2, 3}));
    w.erase(1, 8);
    EXPECT_EQ(std::vector<int>(w.begin(), w.end()), (std::vector<int>{1, 2, 3}));
    w.push_back(w[0]);  // element of the array itself, at full capacity or not
    EXPECT_EQ(w[3], 1);

    _CVec<int> copy(w);
    copy[0] = 99;
    EXPECT_EQ(w[0], 1);
    _CVec<int> moved(std::move(copy));
    EXPECT_EQ(moved[0], 99);
    EXPECT_EQ(copy.size(), 0u);
}

TEST(CLi, EmplaceMoveEraseKeepLinksAndCount)
{
    _CLi<int> list;
    EXPECT_TRUE(list.begin() == list.end());
    auto two = list.emplace_back(2);
    list.emplace_back(3);
    auto one = list.emplace_front(1);
    EXPECT_EQ(list.size(), 3u);
    std::vector<int> order;
    for (auto it = list.begin(); it != list.end(); ++it)
        order.push_back(*it);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));

    list.move(one, list.end());  // relink to the back
    order.clear();
    for (auto it = list.begin(); it != list.end(); ++it)
        order.push_back(*it);
    EXPECT_EQ(order, (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(list.size(), 3u);
    // Walking backwards from the sentinel sees the same order reversed.
    order.clear();
    for (auto it = list.end().prev(); it != list.end(); --it)
        order.push_back(*it);
    EXPECT_EQ(order, (std::vector<int>{1, 3, 2}));

    list.eraseToEnd(two.next());
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(*list.begin(), 2);
    list.erase(list.begin());
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(list.begin() == list.end());
}
