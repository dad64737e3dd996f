// The rows of a BevelButton's pop-up menu: a singly linked list of texts and separators.
#include "plugins/kolactl/menurows.h"

#include <cstdlib>
#include <cstring>

namespace kola {

namespace {

char* copyText(const char* text, int length)
{
    if (length < 0)
        length = 0;
    char* copy = static_cast<char*>(std::malloc(static_cast<size_t>(length) + 1));
    if (!copy)
        return nullptr;
    if (length > 0)
        std::memcpy(copy, text, static_cast<size_t>(length));
    copy[length] = 0;
    return copy;
}

// The link that points at the row, or at the end when row equals the count; null beyond.
MenuRow** linkTo(MenuRow** head, int row)
{
    if (row < 0)
        return nullptr;
    MenuRow** link = head;
    for (; row > 0 && *link; --row)
        link = &(*link)->next;
    return row == 0 ? link : nullptr;
}

} // namespace

bool menuRowsInsert(MenuRow** head, int row, const char* text, int length, bool separator)
{
    MenuRow** link = linkTo(head, row);
    if (!link)
        return false;
    auto* made = static_cast<MenuRow*>(std::malloc(sizeof(MenuRow)));
    char* copy = copyText(text, separator ? 0 : length);
    if (!made || !copy) {
        std::free(made);
        std::free(copy);
        return false;
    }
    *made = MenuRow{*link, copy, separator};
    *link = made;
    return true;
}

bool menuRowsAppend(MenuRow** head, const char* text, int length, bool separator)
{
    return menuRowsInsert(head, menuRowsCount(*head), text, length, separator);
}

bool menuRowsRemove(MenuRow** head, int row)
{
    MenuRow** link = linkTo(head, row);
    if (!link || !*link)
        return false;
    MenuRow* gone = *link;
    *link = gone->next;
    std::free(gone->text);
    std::free(gone);
    return true;
}

bool menuRowsReplace(MenuRow* head, int row, const char* text, int length)
{
    auto* target = const_cast<MenuRow*>(menuRowsAt(head, row));
    char* copy = target ? copyText(text, length) : nullptr;
    if (!copy)
        return false;
    std::free(target->text);
    target->text = copy;
    target->separator = false;
    return true;
}

void menuRowsClear(MenuRow** head)
{
    while (*head)
        menuRowsRemove(head, 0);
}

const MenuRow* menuRowsAt(const MenuRow* head, int row)
{
    if (row < 0)
        return nullptr;
    for (; head && row > 0; --row)
        head = head->next;
    return head;
}

int menuRowsCount(const MenuRow* head)
{
    int count = 0;
    for (; head; head = head->next)
        ++count;
    return count;
}

} // namespace kola
