// Problems met while plug-ins install and register: one line each on the debug output.
#pragma once

#include <string>
#include <vector>

void pluginReport(const std::vector<std::string>& problems);
