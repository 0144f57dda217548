// korain-cli: batch commands over database files.
#include <iostream>

int main() {
  std::cerr << "usage: korain-cli list DB | dump DB N\n";
  return 1;
}
