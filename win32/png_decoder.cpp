#include "png_decoder.h"

#include <wincodec.h>

namespace rutschbild::win32 {

namespace {

// The factory of Windows 7 (the newer one's class is missing there) and the pixel format that
// matches Pixels, spelled out so that no import library has to carry them.
constexpr GUID kImagingFactory{
    0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID kPixelFormat32bppBgr{
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0e}};

} // namespace

PngDecoder::PngDecoder()
{
    IWICImagingFactory* factory = nullptr;
    if (SUCCEEDED(CoCreateInstance(kImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   __uuidof(IWICImagingFactory),
                                   reinterpret_cast<void**>(&factory))))
        factory_.reset(factory);
}

PngDecoder::~PngDecoder() = default;

std::optional<Pixels> PngDecoder::decode(int resourceNumber) const
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(resourceNumber), RT_RCDATA);
    if (!factory_ || resource == nullptr)
        return std::nullopt;
    // Resource data stays mapped for the life of the program and is never written.
    auto* bytes = static_cast<BYTE*>(LockResource(LoadResource(module, resource)));
    const DWORD size = SizeofResource(module, resource);

    // Every interface pointer gets its owner as soon as it is handed out.
    IWICStream* rawStream = nullptr;
    if (FAILED(factory_->CreateStream(&rawStream)))
        return std::nullopt;
    const ComPointer<IWICStream> stream(rawStream);
    IWICBitmapDecoder* rawDecoder = nullptr;
    if (FAILED(stream->InitializeFromMemory(bytes, size)) ||
        FAILED(factory_->CreateDecoderFromStream(stream.get(), nullptr,
                                                 WICDecodeMetadataCacheOnDemand, &rawDecoder)))
        return std::nullopt;
    const ComPointer<IWICBitmapDecoder> decoder(rawDecoder);
    IWICBitmapFrameDecode* rawFrame = nullptr;
    if (FAILED(decoder->GetFrame(0, &rawFrame)))
        return std::nullopt;
    const ComPointer<IWICBitmapFrameDecode> frame(rawFrame);
    IWICFormatConverter* rawConverter = nullptr;
    if (FAILED(factory_->CreateFormatConverter(&rawConverter)))
        return std::nullopt;
    const ComPointer<IWICFormatConverter> converter(rawConverter);
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->Initialize(frame.get(), kPixelFormat32bppBgr, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)))
        return std::nullopt;

    Pixels pixels{static_cast<int>(width), static_cast<int>(height), {}};
    pixels.values.resize(static_cast<std::size_t>(width) * height);
    const UINT stride = width * sizeof(std::uint32_t);
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                     reinterpret_cast<BYTE*>(pixels.values.data()))))
        return std::nullopt;
    for (std::uint32_t& value : pixels.values)
        value &= 0xffffff; // the fourth byte of 32bppBGR is left undefined
    return pixels;
}

} // namespace rutschbild::win32
