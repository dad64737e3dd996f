// imagepack: appends an image to the host executable or writes loose files (see imagepack_cli.h).
#include "imagepack/imagepack_cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return imagepack::runImagepack(arguments, std::cerr);
}
