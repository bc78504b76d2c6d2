#include <iostream>
#include <string>
#include <vector>

#include "commande.hpp"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return florimot::ExecuteConjugue(arguments, std::cin, std::cout, std::cerr);
}
