// The example's routines: the handlers its descriptions name, and an entry routine that
// opens the example window from its template.
#include "example_app.h"

#include "appdata.h"

extern "C" {
void* RuntimeCreateWindow(const unsigned char* windowTemplate, void* slot);
int RuntimeRun();
void RuntimeBeep();

void exampleWindowConstruct(ExampleWindowFields* window, void*)
{
    window->amount = 0;
}
void exampleWindowDestruct(ExampleWindowFields*, void*)
{}
void exampleWindowOpen(ExampleWindowFields* window)
{
    window->amount = NumModuleVars->amount;
}
void exampleWindowEnableMenuItems(ExampleWindowFields*)
{}
bool exampleWindowFilePrint(ExampleWindowFields*)
{
    RuntimeBeep();
    return true;
}
void amountFieldTextChange(void*)
{}
void enterButtonAction(void*)
{
    NumModuleVars->amount += 1;
}
void exampleAppOpen(ExampleAppFields* app)
{
    app->documents = 0;
}
void exampleAppEnableMenuItems(ExampleAppFields*)
{}
bool exampleAppFileNew(ExampleAppFields*)
{
    return RuntimeCreateWindow(ExampleWindowTemplate, &ExampleWindowSlot) != nullptr;
}
int numModuleAmount(NumModuleFields* module)
{
    return module->amount;
}
void numModuleNumChange(NumModuleFields* module, int amount)
{
    module->amount = amount;
}

int ImageEntry()
{
    return RuntimeRun();
}
}
