// Screenshots and movies: the lamp as numbered 24-bit BMP files in the picture folder (the
// desktop on Windows, the pictures folder on Linux). A screenshot is a fresh frame without
// the menu buttons; a movie is one file per drawn frame, taken before the overlay, in a new
// numbered folder. Capture is handed the frame's size and a way to draw it; it reaches
// nothing else of the lamp.
#pragma once

#include <functional>
#include <memory>
#include <string>

class FileSystem;
class Image;

struct Screenshot {
    bool written = false;
    std::string path;  // the file written, or tried; empty when there was nothing to take
    std::string name;  // the same without its folder
};

class Capture {
public:
    // The platform's file system unless one is given (tests).
    explicit Capture(FileSystem* files = nullptr);
    ~Capture();

    // Draws a fresh frame of width x height with drawFrame and writes it as
    // "GlimmerjarScreenshot_N.bmp", the first N whose file does not exist yet.
    Screenshot takeScreenshot(int width, int height, const std::function<void()>& drawFrame);
    // Ends any recording, then starts one of frames this size in the first
    // "GlimmerjarMovieN" folder (N < 100) that can be made.
    void startMovie(int width, int height);
    void stopMovie();
    bool movieRecording() const { return recording_; }
    // Called by the frame after the lamp is drawn: writes the next "%05d.bmp". A frame of
    // another size than the recording's ends the recording.
    void captureMovieFrame(int width, int height);

private:
    FileSystem& files() const;
    bool writePicture(const Image& image, const std::string& name);

    FileSystem* files_;
    bool recording_ = false;
    std::unique_ptr<Image> movieImage_;
    int movieFrameIndex_ = 0;
    std::string movieFolder_;
};

// The names: "GlimmerjarScreenshot_N.bmp" and "GlimmerjarMovieN" in a folder (ending in
// its separator, or empty for the current folder), and a movie's frames "%05d.bmp".
std::string screenshotName(const std::string& folder, int number);
std::string movieFolderName(const std::string& folder, int number);
std::string movieFrameName(const std::string& movieFolder, const char* separator, int index);
