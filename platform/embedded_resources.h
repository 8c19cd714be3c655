// The table of resource files compiled into builds without Windows resources; generated
// by cmake/EmbedResources.cmake from the same files the resource script names.
#pragma once

#include <cstddef>

struct EmbeddedResource {
    const char* type;
    int id;
    const unsigned char* data;
    size_t size;
};

extern const EmbeddedResource embeddedResources[];
extern const size_t embeddedResourceCount;
