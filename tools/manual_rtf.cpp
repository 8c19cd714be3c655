// Makes the help viewer's document from the manual's text source.
//   manual_rtf SOURCE PICTURE_FOLDER OUTPUT.rtf [PLAIN_TEXT_OUTPUT]
// Pictures named in the source are read as 24-bit BMP files from PICTURE_FOLDER. Any
// problem in the source is reported with its line and fails the build.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "help/manual_markup.h"

namespace {

bool readFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: manual_rtf SOURCE PICTURE_FOLDER OUTPUT.rtf [PLAIN_TEXT_OUTPUT]\n");
        return 2;
    }
    const std::string sourcePath = argv[1], pictureFolder = argv[2];
    std::vector<uint8_t> source;
    if (!readFile(sourcePath, source)) {
        std::fprintf(stderr, "manual_rtf: cannot read %s\n", sourcePath.c_str());
        return 1;
    }
    const PictureLoader loadPicture = [&](const std::string& name, ManualPicture& picture, std::string& error) {
        std::vector<uint8_t> file;
        if (!readFile(pictureFolder + "/" + name, file)) {
            error = "cannot read " + pictureFolder + "/" + name;
            return false;
        }
        return pictureFromBmp(file, picture, error);
    };
    const ManualDocument document = convertManual(std::string(source.begin(), source.end()), loadPicture);
    for (const std::string& problem : document.errors)
        std::fprintf(stderr, "%s:%s\n", sourcePath.c_str(), problem.c_str());
    if (!document.errors.empty()) return 1;
    if (!writeFile(argv[3], document.rtf) || (argc == 5 && !writeFile(argv[4], document.plainText))) {
        std::fprintf(stderr, "manual_rtf: cannot write the output\n");
        return 1;
    }
    return 0;
}
