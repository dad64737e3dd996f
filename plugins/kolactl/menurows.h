// The rows of a BevelButton's pop-up menu: a singly linked list of texts and separators.
#pragma once

namespace kola {

// Invariant: text is a heap copy ending in 0, never null ("" for a separator).
struct MenuRow {
    MenuRow* next;
    char* text;
    bool separator;
};

// Rows are numbered from 0. Each returns false (and changes nothing) when it cannot be done.
bool menuRowsInsert(MenuRow** head, int row, const char* text, int length, bool separator);
bool menuRowsAppend(MenuRow** head, const char* text, int length, bool separator);
bool menuRowsRemove(MenuRow** head, int row);
bool menuRowsReplace(MenuRow* head, int row, const char* text, int length);
void menuRowsClear(MenuRow** head);
const MenuRow* menuRowsAt(const MenuRow* head, int row);
int menuRowsCount(const MenuRow* head);

} // namespace kola
