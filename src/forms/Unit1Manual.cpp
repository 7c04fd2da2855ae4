// The main window's manual editing page: three lists over the document's lines (line number,
// value, comment), scrolled and selected together, and a box to put a new value.
#include "forms/Unit1.h"

namespace torvexa {

void TForm1::moveList(ListBox& list, int row) {
    // To the top first, so that the three lists end up scrolled alike.
    list.setItemIndex(0);
    list.setItemIndex(row);
}

void TForm1::followSelection(ListBox& clicked, ListBox& other) {
    moveList(ListBox5, clicked.itemIndex());
    moveList(other, clicked.itemIndex());
    moveList(clicked, other.itemIndex());
}

void TForm1::showSelectedLine() {
    edit1.setText(document_.value(ListBox1.itemIndex()));
    edit2.setText(document_.comment(ListBox4.itemIndex()));
}

void TForm1::ListBox1Click() {
    followSelection(ListBox1, ListBox4);
    showSelectedLine();
}

void TForm1::ListBox4Click() {
    followSelection(ListBox4, ListBox1);
    showSelectedLine();
}

// A line chosen by its number shows its value and comment too, so that the apply (one Enter
// away) never writes a value shown for another line into it.
void TForm1::ListBox5Click() {
    moveList(ListBox1, ListBox5.itemIndex());
    moveList(ListBox4, ListBox5.itemIndex());
    moveList(ListBox5, ListBox1.itemIndex());
    showSelectedLine();
}

// A row's number, value and comment always stand side by side, however a list was scrolled.
void TForm1::scrollTogether(const ListBox& scrolled) {
    for (ListBox* list : {&ListBox5, &ListBox1, &ListBox4})
        list->setTopIndex(scrolled.topIndex());
}

void TForm1::ListBox1Scroll() { scrollTogether(ListBox1); }
void TForm1::ListBox4Scroll() { scrollTogether(ListBox4); }
void TForm1::ListBox5Scroll() { scrollTogether(ListBox5); }

void TForm1::SpeedButton10Click() {
    if (ListBox1.itemIndex() < 0) return;  // no line chosen: nothing to apply to
    document_.putValue(ListBox1.itemIndex(), edit1.text());
}

}  // namespace torvexa
