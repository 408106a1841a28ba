// qm-mktables LISTING OUTDIR: writes OUTDIR/default.dat and OUTDIR/default_e.dat
// from the readable listing of the shipped conversion table.
#include "tablesource.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

bool writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: qm-mktables LISTING OUTDIR\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << '\n';
        return 1;
    }
    const std::string listing((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    try {
        const std::string text = qm::tables::buildTableText(listing);
        const std::string dir = argv[2];
        if (!writeBytes(dir + "/default.dat", qm::tables::fileBytes(text)) ||
            !writeBytes(dir + "/default_e.dat",
                        qm::tables::fileBytes(qm::tables::commaTableText(text)))) {
            std::cerr << "cannot write the tables into " << dir << '\n';
            return 1;
        }
    } catch (const qm::tables::ListingError& e) {
        std::cerr << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
