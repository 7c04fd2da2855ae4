// The drop-downs: a native COMBOBOX kept to its control's items, selection and text, and the
// notifications that make a person's pick.
#include "view/win32/Builder.h"

#include <optional>

#include "platform/win32/WideText.h"
#include "ui/ListRules.h"
#include "ui/TextRules.h"
#include "view/win32/DropDownPicks.h"

namespace torvexa::win32 {
namespace {

using winsys::wide;

constexpr int kDropDownList = 200;  // how far a drop-down's list reaches below it

// The drop-down notifications that take part in a pick.
std::optional<DropDownPicks::Notice> noticeOf(int code) {
    switch (code) {
        case CBN_DROPDOWN:
            return DropDownPicks::Notice::DropDown;
        case CBN_SELCHANGE:
            return DropDownPicks::Notice::SelChange;
        case CBN_SELENDOK:
            return DropDownPicks::Notice::SelEndOk;
        case CBN_SELENDCANCEL:
            return DropDownPicks::Notice::SelEndCancel;
        case CBN_CLOSEUP:
            return DropDownPicks::Notice::CloseUp;
        default:
            return std::nullopt;
    }
}

void showItems(HWND window, const std::vector<std::string>& items) {
    SendMessageW(window, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        rowAdded(
            SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str())));
}

// Space opens a closed drop-down list, as Alt+Down and F4 do in every drop-down: Windows' own
// list takes Space as a letter to search its items by.
LRESULT CALLBACK spaceOpens(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    const bool space = w == VK_SPACE && (message == WM_KEYDOWN || message == WM_CHAR);
    if (space && !SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0)) {
        if (message == WM_KEYDOWN) SendMessageW(window, CB_SHOWDROPDOWN, TRUE, 0);
        return 0;
    }
    return DefSubclassProc(window, message, w, l);
}

}  // namespace

void Builder::visit(ComboBox& combo) {
    const bool editable = combo.style() == ComboBox::Style::Editable;
    HWND window = child(
        combo, L"COMBOBOX",
        WS_TABSTOP | WS_VSCROLL | (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST), 0,
        kDropDownList);
    if (!editable) made(SetWindowSubclass(window, spaceOpens, 0, 0), "SetWindowSubclass");
    Binding& binding = bind(window, combo);
    binding.extraHeight = kDropDownList;
    // Brings the native drop-down to the model's selection and text.
    auto show = [window, &combo, editable] {
        const int selected = combo.itemIndex();
        if (SendMessageW(window, CB_GETCURSEL, 0, 0) != selected) {
            // Selecting rewrites an editable drop-down's text and its caret: a person typing
            // keeps both.
            COMBOBOXINFO parts{};
            parts.cbSize = sizeof parts;
            const bool hasEdit = editable && GetComboBoxInfo(window, &parts) && parts.hwndItem;
            const auto caret = hasEdit ? SendMessageW(parts.hwndItem, EM_GETSEL, 0, 0) : 0;
            const std::string before = windowText(window);
            SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
            if (editable && windowText(window) != before)
                SetWindowTextW(window, wide(before).c_str());
            if (hasEdit) SendMessageW(parts.hwndItem, EM_SETSEL, LOWORD(caret), HIWORD(caret));
        }
        if (!editable) return;
        showText(
            combo.text(), [window] { return windowText(window); },
            [window](const std::string& text) { SetWindowTextW(window, wide(text).c_str()); });
    };
    binding.command = [view = &view_, window, &combo, show, editable,
                       picks = DropDownPicks{}](int code) mutable {
        if (code == CBN_EDITCHANGE) {
            const std::string typed = windowText(window);
            view->perform([&combo, typed] { combo.type(typed); });
            return;
        }
        if (code == CBN_SETFOCUS) {
            // The field's whole text, ready to be typed over, whichever way the keyboard came
            // (Tab, Shift+Tab, back from a message box), as the dialog manager selects an edit's
            // (https://learn.microsoft.com/windows/win32/dlgbox/dlgbox-programming-considerations);
            // a click then puts the caret where it fell.
            if (editable) SendMessageW(window, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
            view->perform([&combo] { combo.enter(); });
            return;
        }
        if (code == CBN_KILLFOCUS) {
            // Only the focused control shows a selection: the field of an editable drop-down
            // keeps its own after the focus has gone (the combo box makes it ES_NOHIDESEL), so
            // it is removed here
            // (https://learn.microsoft.com/windows/win32/controls/cb-seteditsel).
            if (editable) SendMessageW(window, CB_SETEDITSEL, 0, MAKELPARAM(0xFFFF, 0));
            view->perform([&combo] { combo.leave(); });
            return;
        }
        const auto notice = noticeOf(code);
        if (!notice) return;
        const int selection = static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
        if (const auto item = picks.picked(*notice, selection)) {
            view->perform([&combo, item = *item] { combo.pick(item); });
        } else if (*notice == DropDownPicks::Notice::SelEndCancel ||
                   *notice == DropDownPicks::Notice::CloseUp) {
            show();  // what the person browsed to and did not pick goes back
        }
    };
    view_.following.follow(combo, [window, &combo, show](const Change& change) {
        if (itemsChanged(change)) showItems(window, combo.items());
        show();
        applyState(window, combo);
    });
}

}  // namespace torvexa::win32
