// A stand-in for a program that holds a module: loads every library named on
// the command line, says "ready" and waits until its standard input closes.
// It dies with the test that started it, so no test leaves it behind.

#include <dlfcn.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  for (int i = 1; i < argc; ++i) {
    if (!dlopen(argv[i], RTLD_NOW | RTLD_LOCAL)) {
      std::printf("error %s\n", dlerror());
      return 2;
    }
  }
  std::printf("ready\n");
  std::fflush(stdout);
  char byte;
  while (read(STDIN_FILENO, &byte, 1) > 0) {
  }
  return 0;
}
