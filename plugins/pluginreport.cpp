// Problems met while plug-ins install and register: one line each on the debug output.
#include "plugins/pluginreport.h"

#include <windows.h>

void pluginReport(const std::vector<std::string>& problems)
{
    for (const std::string& line : problems)
        OutputDebugStringA((line + "\n").c_str());
}
