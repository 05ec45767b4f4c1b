// Whole-record assignment of meshes, writing only the pages that differ.
#include "mesh.h"

#include <cstring>

static_assert(sizeof(obj_type) % OBJ_PAGE == 0, "records must fill whole pages");

// Pages never written read as zeros without becoming resident, so comparing first keeps the
// empty tails of the fixed-capacity arrays out of memory and makes refreshing slots that
// already hold the same mesh nearly free.
obj_type& obj_type::operator=(const obj_type& other) {
    if (this == &other) return *this;
    unsigned char* to = reinterpret_cast<unsigned char*>(this);
    const unsigned char* from = reinterpret_cast<const unsigned char*>(&other);
    for (size_t at = 0; at < sizeof(obj_type); at += OBJ_PAGE)
        if (std::memcmp(to + at, from + at, OBJ_PAGE) != 0)
            std::memcpy(to + at, from + at, OBJ_PAGE);
    return *this;
}
