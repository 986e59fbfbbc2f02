#include "setup/resources/product_file_table.h"

#include <strings.h>

const ProductFile* find_product_file(const char* name) {
    if (!name) return nullptr;
    for (size_t i = 0; i < PRODUCT_FILE_COUNT; ++i)
        if (strcasecmp(PRODUCT_FILES[i].name, name) == 0) return &PRODUCT_FILES[i];
    return nullptr;
}

const uint32_t* package_part_sizes() {
    return PACKAGE_PART_SIZES;
}

const ProductFile* product_files_begin() {
    return PRODUCT_FILES;
}

const ProductFile* product_files_end() {
    return PRODUCT_FILES + PRODUCT_FILE_COUNT;
}
