// Screenshots and movies: the lamp as numbered 24-bit BMP files in the picture folder (the
// desktop on Windows, the pictures folder on Linux). A screenshot is a fresh frame without
// the menu buttons; a movie is one file per drawn frame, taken before the overlay, in a
// new numbered folder.
#pragma once

#include <string>

class FileSystem;

// A movie is being recorded.
extern bool movieRecording;

struct Screenshot {
    bool written = false;
    std::string path;  // the file written, or tried; empty when there was nothing to take
    std::string name;  // the same without its folder
};
// Writes "GlimmerjarScreenshot_N.bmp" with the first N whose file does not exist yet.
Screenshot takeScreenshot();
// Ends any recording, then starts one in the first "GlimmerjarMovieN" folder (N < 100)
// that can be made.
void startMovie();
void stopMovie();
// Called by the frame after the lamp is drawn: writes the next "%05d.bmp". A window whose
// size changed ends the recording.
void captureMovieFrame();

// The names: "GlimmerjarScreenshot_N.bmp" and "GlimmerjarMovieN" in a folder (ending in
// its separator, or empty for the current folder), and a movie's frames "%05d.bmp".
std::string screenshotName(const std::string& folder, int number);
std::string movieFolderName(const std::string& folder, int number);
std::string movieFrameName(const std::string& movieFolder, const char* separator, int index);

// The file system the captures use: the platform's unless a test gives another. Also ends
// any recording and forgets its folder.
void useCaptureFileSystem(FileSystem* files);
