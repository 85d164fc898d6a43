#include <QGuiApplication>
#include <fstream>
#include <iostream>

#include "replay/script.h"

// velmara-replay SCRIPT  (or - for standard input)
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmara-replay SCRIPT\n";
        return vel::replay::kMalformed;
    }
    // Headless: no window, no display server needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string name = argv[1];
    if (name == "-") return vel::replay::RunScript(std::cin, std::cout, std::cerr, "stdin");
    std::ifstream in(name);
    if (!in) {
        std::cerr << "cannot read " << name << "\n";
        return vel::replay::kMalformed;
    }
    return vel::replay::RunScript(in, std::cout, std::cerr, name);
}
