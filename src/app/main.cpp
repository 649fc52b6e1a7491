#include "app/program_identity.h"
#include "app/setup_app.h"
#include "framework/program.h"

int main(int argc, char** argv) {
    return corvane::RunProgram(argc, argv, corvane::CorvaneProgram(CORVANE_VERSION, CORVANE_APP_ID),
                               [] { return std::make_unique<corvane::CSetupApp>(); });
}
