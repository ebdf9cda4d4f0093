// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.hpp"
#include "window/dreieckrechner.hpp"

int main(int argc, char* argv[]) { return platform::run<dreieckrechner>(argc, argv); }
