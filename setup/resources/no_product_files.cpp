// The remover: the setup program without any product file.
#include "setup/product_files.h"

const ProductFile* find_product_file(const char*) {
    return nullptr;
}

const uint32_t* package_part_sizes() {
    return nullptr;
}

const ProductFile* product_files_begin() {
    return nullptr;
}

const ProductFile* product_files_end() {
    return nullptr;
}
