// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppMain.h"

int main(int argc, char** argv) {
    return ruvo::app::appMain(argc, argv);
}
