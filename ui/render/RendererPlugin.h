#pragma once
// The interface of the 3D renderer plug-in "Renderer.dll". Its export
// "GetPlugin" stores a new plug-in object through the pointer it is given;
// the object draws kit previews and player heads into a window of the
// editor and is freed through Release. The order of the operations is the
// plug-in's table layout and must not change.

#include <windows.h>

#include <cstddef>
#include <cstdint>

inline constexpr std::uint32_t RendererInterfaceVersion = 2;
inline constexpr std::size_t RendererKitBlockWords = 208;
inline constexpr std::size_t RendererOptionBlockWords = 9;

struct TRendererRect {
    std::int32_t left, top, right, bottom;
};

// Reads one picture (".tpi" or ".tga") for the portraits. A reader whose
// format is "TPI" keeps its pixels itself and hands them out through the
// plug-in's pixel buffer operations; any other is read into the caller's
// buffer.
class IRendererImageReader {
public:
    virtual bool Open(const char* ansiPath) = 0;
    virtual std::int32_t GetWidth() = 0;
    virtual std::int32_t GetHeight() = 0;
    // Fills width * height 32-bit pixels (0xAARRGGBB), rows top down.
    virtual bool ReadPixels(std::uint32_t* pixels) = 0;
    virtual const char* GetFormat() = 0;

protected:
    ~IRendererImageReader() = default;
};

class IRendererPlugin {
public:
    // A plug-in of another version is not used.
    virtual std::uint32_t GetInterfaceVersion() = 0;
    virtual void ReleaseImageReader(IRendererImageReader** reader) = 0;
    virtual void Release() = 0;
    // From now on the plug-in draws into this window.
    virtual void Init(HWND window) = 0;
    // kit: RendererKitBlockWords words, options: RendererOptionBlockWords.
    virtual void RenderKit(const TRendererRect& area, const std::uint32_t* kit, const std::uint32_t* options) = 0;
    virtual void SetKit(const std::uint32_t* kit, const std::uint32_t* options) = 0;
    virtual void RenderHead(const TRendererRect& area, const std::uint32_t* kit, const std::uint32_t* options) = 0;
    virtual void RenderFrame() = 0;
    // 0xAARRGGBB.
    virtual void SetBackground(std::uint32_t argb) = 0;
    // False, with a null reader, when the plug-in reads no pictures.
    virtual bool CreateImageReader(IRendererImageReader** reader) = 0;
    // The "TPI" reader's pixels (0xAARRGGBB, rows top down), held by the
    // plug-in until FreePixelBuffer; null when the reader has none.
    virtual const std::uint32_t* GetPixelBuffer(IRendererImageReader* reader) = 0;
    // The number of pixels in that buffer.
    virtual std::size_t GetPixelBufferSize(IRendererImageReader* reader) = 0;
    // The buffer is done with; the pointer is cleared.
    virtual void FreePixelBuffer(IRendererImageReader* reader, const std::uint32_t** pixels) = 0;

protected:
    ~IRendererPlugin() = default;
};

// The export "GetPlugin".
using RendererGetPlugin = void (*)(IRendererPlugin** plugin);
