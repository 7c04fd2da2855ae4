// A person's pick from a Windows drop-down is one pick, whatever order its notifications take.
#include <gtest/gtest.h>

#include "view/win32/DropDownPicks.h"

namespace torvexa::win32 {
namespace {

using Notice = DropDownPicks::Notice;

// The items picked by a sequence of notices, each with the selection at that moment.
std::vector<int> picks(DropDownPicks& p, const std::vector<std::pair<Notice, int>>& notices) {
    std::vector<int> out;
    for (const auto& [notice, item] : notices) {
        if (const auto picked = p.picked(notice, item)) out.push_back(*picked);
    }
    return out;
}

TEST(DropDownPicks, AMousePickIsOnePickInEveryOrderWindowsMaySendIt) {
    const std::vector<std::vector<std::pair<Notice, int>>> orders = {
        // as Wine sends it: the end of the selection, the close, then the change
        {{Notice::DropDown, 0},
         {Notice::SelEndOk, 2},
         {Notice::CloseUp, 2},
         {Notice::SelChange, 2}},
        // the change while the list is still open
        {{Notice::DropDown, 0},
         {Notice::SelChange, 2},
         {Notice::SelEndOk, 2},
         {Notice::CloseUp, 2}},
        {{Notice::DropDown, 0},
         {Notice::SelEndOk, 2},
         {Notice::SelChange, 2},
         {Notice::CloseUp, 2}},
        // the item already shown: no change at all
        {{Notice::DropDown, 2}, {Notice::SelEndOk, 2}, {Notice::CloseUp, 2}},
    };
    for (const auto& order : orders) {
        DropDownPicks p;
        EXPECT_EQ(picks(p, order), std::vector<int>{2});
        EXPECT_EQ(picks(p, order), std::vector<int>{2}) << "the same pick again";
    }
}

TEST(DropDownPicks, KeysPickOncePerStepAndEscPicksNothing) {
    DropDownPicks p;
    // Closed list: each arrow is a pick, with or without a following end of selection.
    EXPECT_EQ(picks(p, {{Notice::SelChange, 1}, {Notice::SelEndOk, 1}, {Notice::SelChange, 2}}),
              (std::vector<int>{1, 2}));
    // Open list: browsing picks nothing, Enter picks what was reached, Esc nothing.
    EXPECT_EQ(picks(p, {{Notice::DropDown, 2},
                        {Notice::SelChange, 1},
                        {Notice::SelChange, 0},
                        {Notice::SelEndOk, 0},
                        {Notice::CloseUp, 0},
                        {Notice::SelChange, 0}}),
              std::vector<int>{0});
    EXPECT_TRUE(picks(p, {{Notice::DropDown, 0},
                          {Notice::SelChange, 1},
                          {Notice::SelEndCancel, 1},
                          {Notice::CloseUp, 1}})
                    .empty());
    // After a cancelled browse, an arrow on the closed list to the same item is a pick.
    EXPECT_EQ(picks(p, {{Notice::SelChange, 1}}), std::vector<int>{1});
}

}  // namespace
}  // namespace torvexa::win32
