// The XScreenSaver configuration file of the hack ("glimmerjar.xml"), made from the
// settings table: a slider for each number and a check box for each flag that the
// configuration dialog offers, each naming the command-line option that sets it.
#pragma once

#include <string>

std::string xscreensaverConfig();
