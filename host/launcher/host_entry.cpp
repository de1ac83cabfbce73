#include "host/launcher/host_entry.hpp"

#include <string>
#include <vector>

#include "host/launcher/life_cycle.hpp"

extern "C" int hadrek_main(int argc, char** argv) {
    return hadrek::hostMain(std::vector<std::string>(argv + 1, argv + argc));
}
