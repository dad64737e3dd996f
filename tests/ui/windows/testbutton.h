// A push button for window tests: a native "BUTTON" pane that takes focus, Return and clicks,
// raising Action. Its Name decides whether it is the default ("OK") or cancel ("Cancel") button.
#pragma once

#include <cstdint>

// The class index of a PushButton subclass whose pane is the test button, recording Action
// and GotFocus-free events as "Name.Action".
int32_t testButtonClass();
