// The XScreenSaver configuration file of the hack ("glimmerjar.xml"), made from the
// settings table: a slider for each number, a check box for each flag and a menu of the
// frame rates that the configuration dialog offers, grouped as the dialog groups them, each
// naming the command-line option that sets it.
#pragma once

#include <string>
#include <vector>

std::string xscreensaverConfig();
// The table rows the page shows, by name, in its order.
std::vector<const char*> xscreensaverPageSettings();
