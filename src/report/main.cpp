#include <cstdio>

int main() {
    std::puts("velmora-report: not built yet");
    return 0;
}
