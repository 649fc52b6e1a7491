// A Windows program that ends as told: "none" ends normally, "main" and "thread" crash on a null write in
// the main thread or in a second one. The Wine runner's own test runs it.
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

void WriteThroughNull() {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

}  // namespace

int main(int argc, char** argv) {
    const char* how = argc > 1 ? argv[1] : "none";
    if (std::strcmp(how, "main") == 0) {
        WriteThroughNull();
    } else if (std::strcmp(how, "thread") == 0) {
        std::thread crashing(WriteThroughNull);
        crashing.join();
    }
    std::printf("ended\n");
    return 0;
}
