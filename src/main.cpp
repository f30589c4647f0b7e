#include "app/application.h"

int main(int argc, char** argv) {
    return orbadil::app::run(argc, argv);
}
