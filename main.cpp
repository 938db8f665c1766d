#include "shell/Startup.h"

#include <cstdlib>

int main(int argc, char** argv) { std::exit(runTessivo(argc, argv)); }
