// Packs the product tree for the setup program: one ".cmp" package per module (its eight
// files back to back), the size table of their parts, and an assembler file that embeds
// every product file in the program with a C++ table naming them.
//
//   setup_packer PRODUCT_DIR SCREEN_SAVER REMOVER OUT_DIR
#include "setup/package_lists.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

bool read_whole(const std::string& path, std::string* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    *bytes = content.str();
    return true;
}

bool write_whole(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

struct Embedded {
    std::string name, path;
};

// The assembler's string syntax: quotes and backslashes escaped.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

int fail(const std::string& what) {
    std::fprintf(stderr, "setup_packer: %s\n", what.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) return fail("usage: setup_packer PRODUCT_DIR SCREEN_SAVER REMOVER OUT_DIR");
    const std::string product = argv[1], out = argv[4];
    mkdir(out.c_str(), 0777);
    mkdir((out + "/packages").c_str(), 0777);

    std::vector<Embedded> files = {{"SCR.EXE", argv[2]},
                                   {"UNINSTAL.EXE", argv[3]},
                                   {"README.TXT", product + "/library/readme.txt"}};
    for (int i = 0; i < count_list(IMAGE_LIST); ++i)
        files.push_back(
            {IMAGE_LIST[i], product + "/images/" + IMAGE_LIST[i] + image_extension(IMAGE_LIST[i])});

    std::vector<uint32_t> sizes;
    for (int i = 0; i < count_list(PACKAGE_LIST); ++i) {
        const std::string package = PACKAGE_LIST[i];
        const std::string module = package.substr(0, package.size() - 4); // without ".cmp"
        std::string joined;
        for (int part = 0; part < PACKAGE_PARTS; ++part) {
            const std::string path = product + "/library/" + (part ? module + "/" : "") + module +
                                     PACKAGE_PART_EXTENSIONS[part];
            std::string bytes;
            if (!read_whole(path, &bytes)) return fail("cannot read " + path);
            sizes.push_back(static_cast<uint32_t>(bytes.size()));
            joined += bytes;
        }
        const std::string path = out + "/packages/" + package;
        if (!write_whole(path, joined)) return fail("cannot write " + path);
        files.push_back({package, path});
    }

    std::ostringstream assembly, table;
    assembly << "# Written by setup_packer: the product files, embedded.\n"
             << "    .section .rodata\n";
    table << "// Written by setup_packer: the product files and the package size table.\n"
          << "#include \"setup/resources/product_file_table.h\"\n\n";
    for (size_t i = 0; i < files.size(); ++i) {
        struct stat info {};
        if (stat(files[i].path.c_str(), &info) != 0) return fail("cannot read " + files[i].path);
        assembly << "    .balign 16\n    .global product_file_" << i << "\nproduct_file_" << i
                 << ":\n    .incbin " << quoted(files[i].path) << "\n    .global product_file_" << i
                 << "_end\nproduct_file_" << i << "_end:\n";
        table << "extern \"C\" const unsigned char product_file_" << i << "[], product_file_" << i
              << "_end[];\n";
    }
    assembly << "    .section .note.GNU-stack,\"\",@progbits\n";
    table << "\nconst ProductFile PRODUCT_FILES[] = {\n";
    for (size_t i = 0; i < files.size(); ++i)
        table << "    {\"" << files[i].name << "\", product_file_" << i << ", size_t(product_file_"
              << i << "_end - product_file_" << i << ")},\n";
    table << "};\nconst size_t PRODUCT_FILE_COUNT = " << files.size() << ";\n\n"
          << "const uint32_t PACKAGE_PART_SIZES[" << sizes.size() << "] = {";
    for (size_t i = 0; i < sizes.size(); ++i)
        table << (i == 0 ? "\n    " : i % 8 ? ", " : ",\n    ") << sizes[i];
    table << "};\n";
    if (!write_whole(out + "/product_files.S", assembly.str()) ||
        !write_whole(out + "/product_files.cpp", table.str()))
        return fail("cannot write into " + out);
    return 0;
}
