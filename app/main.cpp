// The process entry of KELDO Uninstaller.
#include "app/Startup.h"

int main(int argc, char** argv) { return RunProcess(argc, argv); }
