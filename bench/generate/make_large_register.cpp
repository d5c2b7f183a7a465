// Writes a large generated register: make_large_register 2.2|2.1 RISKS OUTPUT.xlsx
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "LargeRegister.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s 2.2|2.1 RISKS OUTPUT.xlsx\n", argv[0]);
    return 2;
  }
  try {
    velloway::bench::WriteLargeRegister(argv[3], argv[1], std::atoi(argv[2]));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
