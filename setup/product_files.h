// The product files the setup program carries inside itself, embedded at build time. The
// remover is the same program built without them.
#pragma once

#include <cstddef>
#include <cstdint>

struct ProductFile {
    const char* name; // resource name: "SCR.EXE", "UNINSTAL.EXE", "README.TXT", image names,
                      // "<module>.cmp"
    const unsigned char* data;
    size_t size;
};

// The file of that name, matched without regard to case; null when it is not carried.
const ProductFile* find_product_file(const char* name);
// The package size table: 8 part lengths per package, in package-list and part order; null in
// a build without packages.
const uint32_t* package_part_sizes();
// Every file carried, for the free-space estimate; empty in a build without packages.
const ProductFile* product_files_begin();
const ProductFile* product_files_end();
