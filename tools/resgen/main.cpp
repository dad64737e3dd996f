// resgen: turns the application's description files into C++ data sources (see resgen_cli.h).
#include "resgen/resgen_cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return resgen::runResgen(arguments, std::cerr);
}
