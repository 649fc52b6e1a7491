#include "platform/console.h"

#include <sys/stat.h>

namespace corvane::platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseUtf8Output() {
    // The terminal takes bytes as they are; the program's texts are UTF-8 already.
}

bool RestrictOutputFileToOwner() {
    struct stat st {};
    if (::fstat(1, &st) != 0 || !S_ISREG(st.st_mode)) {
        return true;
    }
    return ::fchmod(1, S_IRUSR | S_IWUSR) == 0;
}

}  // namespace corvane::platform
