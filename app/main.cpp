#include "app/GameProgram.h"

int main(int argc, char* argv[]) {
    return morvane::runGame(argc, argv);
}
