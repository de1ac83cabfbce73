// hadrek: the stand-in accounting host.
#include "host/launcher/host_entry.hpp"

int main(int argc, char** argv) { return hadrek_main(argc, argv); }
