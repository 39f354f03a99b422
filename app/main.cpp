#include "modMain.h"

int main(int argc, char** argv) {
    return zelvano::app::modMain::run(argc, argv);
}
