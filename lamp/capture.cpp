// Screenshots and movies.
#include "lamp/capture.h"

#include <cstdio>
#include <memory>
#include <string>

#include "lamp/frame_buffer.h"
#include "platform/diagnostics.h"
#include "platform/files.h"
#include "platform/gl.h"
#include "scene/bmp.h"
#include "scene/image.h"

namespace {

class OutputFileSink : public ByteSink {
public:
    explicit OutputFileSink(OutputFile& file) : file_(file) {}
    bool write(const void* data, size_t size) override { return file_.write(data, size); }

private:
    OutputFile& file_;
};

// The back buffer, bottom row first, as a BMP stores it.
void readBackBuffer(Image& image) {
    glReadBuffer(GL_BACK);
    readFrameBufferInto(image);
}

}  // namespace

Capture::Capture(FileSystem* files) : files_(files) {}

Capture::~Capture() = default;

FileSystem& Capture::files() const { return files_ ? *files_ : platformFileSystem(); }

// Writes the picture to a new file; a file that could not be completed (a full disk) is
// removed rather than left half written. False when nothing was written.
bool Capture::writePicture(const Image& image, const std::string& name) {
    std::unique_ptr<OutputFile> file = files().create(name);
    if (!file) {
        diag("Couldn't open %s for writing\n", name.c_str());
        return false;
    }
    OutputFileSink sink(*file);
    const bool written = writeBmp(&image, sink, false);
    if (file->close() && written) return true;
    files().remove(name);
    diag("Couldn't write %s; the file was removed\n", name.c_str());
    return false;
}

std::string screenshotName(const std::string& folder, int number) {
    return folder + "GlimmerjarScreenshot_" + std::to_string(number) + ".bmp";
}

std::string movieFolderName(const std::string& folder, int number) {
    return folder + "GlimmerjarMovie" + std::to_string(number);
}

std::string movieFrameName(const std::string& movieFolder, const char* separator, int index) {
    char number[24];
    std::snprintf(number, sizeof number, "%05d.bmp", index);
    return movieFolder + separator + number;
}

Screenshot Capture::takeScreenshot(int width, int height, const std::function<void()>& drawFrame) {
    Screenshot shot;
    // A minimised window has nothing to show.
    if (width <= 0 || height <= 0) return shot;
    const std::string folder = files().pictureFolder();
    for (int i = 0;; ++i) {
        shot.path = screenshotName(folder, i);
        if (!files().exists(shot.path)) {
            shot.name = screenshotName("", i);
            break;
        }
    }
    Image image(width, height);
    drawFrame();
    readBackBuffer(image);
    shot.written = writePicture(image, shot.path);
    return shot;
}

void Capture::startMovie(int width, int height) {
    if (recording_) stopMovie();
    const std::string folder = files().pictureFolder();
    for (int i = 0; i < 100; ++i) {
        const std::string path = movieFolderName(folder, i);
        if (!files().makeFolder(path)) continue;
        movieFolder_ = path;
        movieFrameIndex_ = 0;
        recording_ = true;
        movieImage_ = std::make_unique<Image>(width > 0 ? width : 1, height > 0 ? height : 1);
        return;
    }
    diag("Error: Couldn't create folder for movie. Note that at most 100 movie folders can be created on the "
         "desktop.\n");
}

void Capture::stopMovie() {
    recording_ = false;
    movieImage_.reset();
}

void Capture::captureMovieFrame(int width, int height) {
    if (!recording_ || !movieImage_) return;
    if (movieImage_->width != width || movieImage_->height != height) {
        diag("Error: screen resized during movie recording. Stopping movie recording.\n");
        stopMovie();
        return;
    }
    const std::string name = movieFrameName(movieFolder_, files().separator(), movieFrameIndex_);
    readBackBuffer(*movieImage_);
    // A frame that could not be written is tried again under the same number.
    if (writePicture(*movieImage_, name)) ++movieFrameIndex_;
}
