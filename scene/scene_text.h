// Small writers of scene-file text shared by every scene object.
#pragma once

#include <cstdio>

#include "platform/diagnostics.h"
#include "scene/geometry.h"

// depth single spaces, where a line of a group depth deep starts.
void writeIndent(int depth, std::FILE* file);
// One line, preceded by depth single spaces.
void writeLine(int depth, std::FILE* file, const char* format, ...) GJ_PRINTF_LIKE(3, 4);
// "  %f %f %f\n", preceded by depth single spaces.
void writePoint(int depth, std::FILE* file, const Point3D& p);
