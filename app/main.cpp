#include <cstdio>

#include "app/QueryDriver.h"
#include "app/Tool.h"

int main(int argc, char* argv[]) {
    return quarlin::runTool(argc, argv, stdout, quarlin::queryDescription);
}
