// The user's folders as the desktop's base-directory rules name them, for the POSIX files.
#pragma once

#include <string>

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config; "" without a home folder.
std::string userConfigFolder();
