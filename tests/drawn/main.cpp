// check_drawn_window PICTURE...: whether each picture of the window's client area at 96 DPI shows
// its frames, buttons, fields, list and board outline on their designed boxes. Prints what it
// found per control; exits 1 naming every control that is not where the table puts it.
#include "drawn_window.h"

#include <QImage>

#include <iostream>

namespace {

rutschbild::drawn::Picture pictureOf(const QImage& read)
{
    const QImage image = read.convertToFormat(QImage::Format_RGB32);
    rutschbild::drawn::Picture picture{image.width(), image.height(), {}};
    picture.pixels.reserve(std::size_t(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            picture.pixels.push_back(image.pixel(x, y) & 0xffffff);
    return picture;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: check_drawn_window PICTURE...\n";
        return 2;
    }
    bool allDrawn = true;
    for (int i = 1; i < argc; ++i) {
        const QImage image(QString::fromLocal8Bit(argv[i]));
        if (image.isNull()) {
            std::cerr << argv[i] << ": cannot be read as a picture\n";
            allDrawn = false;
            continue;
        }
        const auto result = rutschbild::drawn::checkDrawnWindow(pictureOf(image));
        std::cout << argv[i] << ": " << rutschbild::drawn::describe(result);
        if (!result.ok()) {
            allDrawn = false;
            std::cout << "FAIL: " << argv[i] << ": not drawn on its box:";
            for (const std::string& name : result.missing())
                std::cout << " " << name;
            std::cout << "\n";
        }
    }
    return allDrawn ? 0 : 1;
}
