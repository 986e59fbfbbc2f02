#include "setup/setup_program.h"

int main() {
    return setup_entry();
}
