// sysctrl-service: a stand-in for the system-control service, for tests and
// for running the program on a machine without the real service.

#include "standins/sysctrl/PipeServer.h"
#include "standins/sysctrl/ServiceOptions.h"

#include <cstdio>

int main(int argc, char** argv) {
    ServiceOptions options;
    std::string error;
    if (!ParseServiceOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "sysctrl-service: %s\n", error.c_str());
        return 2;
    }
    PipeServer server(options);
    return server.Run();
}
