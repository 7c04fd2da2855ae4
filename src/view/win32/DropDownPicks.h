#pragma once

#include <optional>

namespace torvexa::win32 {

// Turns a drop-down's notifications into a person's picks, one per pick. Windows does not
// promise their order: a pick from the open list sends CBN_SELENDOK, and CBN_SELCHANGE before
// or after CBN_CLOSEUP
// (https://learn.microsoft.com/windows/win32/controls/cbn-closeup); an arrow key on the closed
// list sends CBN_SELCHANGE, under Wine followed by CBN_SELENDOK; Esc on the open list sends
// CBN_SELENDCANCEL (https://learn.microsoft.com/windows/win32/controls/cbn-selendcancel).
// So a pick is the first of CBN_SELENDOK or a CBN_SELCHANGE with the list closed, and the other
// notification of the same item that may follow it is its echo, not a second pick. While the
// list is open, CBN_SELCHANGE only follows the person's browsing.
class DropDownPicks {
  public:
    enum class Notice { DropDown, SelChange, SelEndOk, SelEndCancel, CloseUp };

    // The item picked by this notice, if it completes a pick; `item` is the selection now.
    std::optional<int> picked(Notice notice, int item) {
        switch (notice) {
            case Notice::DropDown:
                open_ = true;
                echo_.reset();  // a new gesture begins
                return std::nullopt;
            case Notice::CloseUp:
                open_ = false;
                return std::nullopt;
            case Notice::SelEndCancel:
                echo_.reset();
                return std::nullopt;
            case Notice::SelChange:
                if (open_) return std::nullopt;
                return pick(item, Notice::SelChange);
            case Notice::SelEndOk:
                return pick(item, Notice::SelEndOk);
        }
        return std::nullopt;
    }

  private:
    struct Pick {
        int item;
        Notice by;
    };

    std::optional<int> pick(int item, Notice by) {
        if (echo_ && echo_->item == item && echo_->by != by) {
            echo_.reset();
            return std::nullopt;
        }
        echo_ = Pick{item, by};
        return item;
    }

    bool open_ = false;
    std::optional<Pick> echo_;  // the last pick, whose other notification may still come
};

}  // namespace torvexa::win32
