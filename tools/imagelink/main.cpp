// imagelink: links COFF objects into an application image (see imagelink_cli.h).
#include "imagelink/imagelink_cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return imagelink::runImagelink(arguments, std::cerr);
}
