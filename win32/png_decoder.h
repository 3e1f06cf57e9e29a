#pragma once

// The tile pictures drawn at twice the size, kept as PNG files among the program's resources
// (numbered by twiceSizeResourceNumber in picture_sets.h) and decoded by the Windows Imaging
// Component, a part of every Windows since Vista.
#include "bitmaps.h"
#include "com.h"

#include <optional>

struct IWICImagingFactory;

namespace rutschbild::win32 {

class PngDecoder {
public:
    PngDecoder();
    ~PngDecoder();
    PngDecoder(const PngDecoder&) = delete;
    PngDecoder& operator=(const PngDecoder&) = delete;

    // The pixels of an RCDATA resource holding a PNG file; nothing where the resource or the
    // imaging component is missing.
    std::optional<Pixels> decode(int resourceNumber) const;

private:
    ComApartment apartment_; // before the factory, which has to go first
    ComPointer<IWICImagingFactory> factory_;
};

} // namespace rutschbild::win32
