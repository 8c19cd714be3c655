// Makes the help viewer's document from the manual's text source.
//   manual_rtf SOURCE PICTURE_FOLDER OUTPUT.rtf [PLAIN_TEXT_OUTPUT]
// Pictures named in the source are read as 24-bit BMP files from PICTURE_FOLDER. Any
// problem in the source is reported with its line and fails the build.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "help/manual_markup.h"
#include "scene/bmp.h"
#include "scene/image.h"

namespace {

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
    std::ifstream in(sourcePath, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "manual_rtf: cannot read %s\n", sourcePath.c_str());
        return 1;
    }
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const PictureLoader loadPicture = [&](const std::string& name, std::string& error) {
        const std::string path = pictureFolder + "/" + name;
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) {
            error = "cannot read " + path;
            return std::unique_ptr<Image>();
        }
        std::unique_ptr<Image> picture(readBmp(file, false));
        std::fclose(file);
        if (!picture) error = "not a 24-bit uncompressed BMP";
        return picture;
    };
    const ManualDocument document = convertManual(source, loadPicture);
    for (const std::string& problem : document.errors)
        std::fprintf(stderr, "%s:%s\n", sourcePath.c_str(), problem.c_str());
    if (!document.errors.empty()) return 1;
    if (!writeFile(argv[3], document.rtf) || (argc == 5 && !writeFile(argv[4], document.plainText))) {
        std::fprintf(stderr, "manual_rtf: cannot write the output\n");
        return 1;
    }
    return 0;
}
