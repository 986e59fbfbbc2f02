// The table the build writes from the product tree (see tools/setup_packer).
#pragma once

#include "setup/product_files.h"

extern const ProductFile PRODUCT_FILES[];
extern const size_t PRODUCT_FILE_COUNT;
extern const uint32_t PACKAGE_PART_SIZES[];
