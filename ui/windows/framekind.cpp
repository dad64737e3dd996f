// Frame kinds: what each kind of top-level window is, as one table of facts.
#include "ui/windows/framekind.h"

namespace {

constexpr DWORD floatingExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
constexpr DWORD toolBoxExStyle = WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE;

// In the order of the kinds' numbers; the columns are kept aligned by hand.
// clang-format off
const FrameKindFacts frameKinds[frameKindCount] = {
    // style                     extended style        modal  mayResize document floating
    {WS_CAPTION,                 0,                    false, true,     true,    false},   // documentSpare
    {WS_POPUP | WS_CAPTION,      floatingExStyle,      false, true,     false,   true},    // floating
    {WS_POPUP | WS_DLGFRAME,     0,                    true,  false,    false,   false},   // modal
    {WS_POPUP | WS_CAPTION,      WS_EX_DLGMODALFRAME,  true,  false,    false,   false},   // movableModal
    {WS_POPUP | WS_BORDER,       0,                    true,  false,    false,   false},   // plainBox
    {WS_POPUP | WS_BORDER,       WS_EX_CLIENTEDGE,     true,  false,    false,   false},   // shadowedBox
    {WS_CAPTION,                 0,                    false, false,    false,   false},   // fixedSize
    {WS_POPUP | WS_BORDER,       toolBoxExStyle,       true,  false,    false,   false},   // modalToolBox
    {WS_CAPTION,                 0,                    false, true,     true,    false},   // document
    {WS_POPUP | WS_CAPTION,      floatingExStyle,      false, true,     false,   true},    // palette
    {WS_POPUP | WS_DLGFRAME,     0,                    true,  false,    false,   false},   // modalSpare
};
// clang-format on

} // namespace

bool frameKindIsValid(FrameKind kind)
{
    int32_t number = static_cast<int32_t>(kind);
    return number >= 0 && number < frameKindCount;
}

const FrameKindFacts& frameKindFacts(FrameKind kind)
{
    return frameKinds[static_cast<int32_t>(kind)];
}
