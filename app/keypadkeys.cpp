// The keypad from the keyboard: while no text field has the focus, the digit keys and the keys
// of the units, 飛んで and AC push those buttons (Return pushes 円, the default button); in the
// figures field Return enters the figures typed there.
#include "app/amountentry.h"
#include "app/ownedtext.h"

namespace {

STRING_CONSTANT(digit1Button, "PushButton1$1");
STRING_CONSTANT(digit2Button, "PushButton1$2");
STRING_CONSTANT(digit3Button, "PushButton1$3");
STRING_CONSTANT(digit4Button, "PushButton1$4");
STRING_CONSTANT(digit5Button, "PushButton1$5");
STRING_CONSTANT(digit6Button, "PushButton1$6");
STRING_CONSTANT(digit7Button, "PushButton1$7");
STRING_CONSTANT(digit8Button, "PushButton1$8");
STRING_CONSTANT(digit9Button, "PushButton1$9");

struct KeypadKey {
    char key; // the character the key types, letters in lower case
    StringRecord* button;
};

// The units by the first letter of their reading (man, sen, hyaku, jyu), 飛んで by the zero it
// puts into the figures, AC by Escape as on a calculator. The buttons' help texts name them.
const KeypadKey keypadKeys[] = {
    {'1', &digit1Button.record},  {'2', &digit2Button.record},    {'3', &digit3Button.record},
    {'4', &digit4Button.record},  {'5', &digit5Button.record},    {'6', &digit6Button.record},
    {'7', &digit7Button.record},  {'8', &digit8Button.record},    {'9', &digit9Button.record},
    {'m', &ButtonManName.record}, {'s', &ButtonSenName.record},   {'h', &ButtonHyakuName.record},
    {'j', &ButtonJyuName.record}, {'0', &TondeButtonName.record}, {'\x1b', &ClearName.record},
};

// The one character of a key, letters in lower case; 0 for a key of more.
char keyCharacter(StringRecord* key)
{
    if (!key || key->length != 1)
        return 0;
    char character = static_cast<char>(key->buffer[1]);
    return character >= 'A' && character <= 'Z' ? char(character - 'A' + 'a') : character;
}

bool pushKeypadButton(FormWindowFields* window, char key)
{
    for (const KeypadKey& entry : keypadKeys) {
        if (entry.key == key) {
            RuntimeKeyPushButton(RuntimeControlFetch(asObject(window), entry.button));
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" bool formKeyDown(ObjectHeader* windowObject, StringRecord* key)
{
    auto* window = reinterpret_cast<FormWindowFields*>(windowObject);
    // The window holds its controls: the reference is not needed to compare.
    ObjectHeader* typingIn = windowTypingFocusGetter(windowObject, 0);
    RuntimeUnlockObject(typingIn);
    if (!typingIn)
        return pushKeypadButton(window, keyCharacter(key));
    if (typingIn != control(window, FiguresInFieldName) || keyCharacter(key) != '\r')
        return false;
    enterTypedFigures(window, typingIn);
    return true;
}
