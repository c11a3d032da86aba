#include "shell/application.h"

int main(int argc, char *argv[])
{
    shell::Application app(argc, argv);
    return 0;
}
