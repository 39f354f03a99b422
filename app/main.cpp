#include "modMain.h"

int main(int argc, char** argv) {
    return zelvano::modMain::run(argc, argv);
}
