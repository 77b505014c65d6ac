#include "platform/win32/gdi_canvas.h"

#include <windows.h>

#include <map>
#include <memory>
#include <tuple>
#include <type_traits>

#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

namespace {

// Owners of one pen, brush, font or bitmap, and of a memory DC.
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename T>
using GdiObject = std::unique_ptr<std::remove_pointer_t<T>, DeleteGdiObject>;

struct DeleteDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDc>;

// Selects an object into a DC for one scope and puts the previous one back, so the
// object is no longer selected when it is deleted.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (old_ && old_ != HGDI_ERROR)
            SelectObject(dc_, old_);
    }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

COLORREF ToColorRef(Rgb c) {
    return RGB(c.r, c.g, c.b);
}

class GdiCanvas : public Canvas {
  public:
    GdiCanvas(int width, int height) : width_(width), height_(height) {
        if (!dc_.get())
            return;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = GdiObject<HBITMAP>(
            CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap_)
            return;
        bits_ = static_cast<const std::uint8_t*>(bits);
        selected_ = std::make_unique<Selection>(dc_.get(), bitmap_.get());
        SetBkMode(dc_.get(), TRANSPARENT);
        SetTextAlign(dc_.get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
    }

    bool Ready() const { return bits_ != nullptr; }

    void FillRect(int x, int y, int width, int height, Rgb colour) override {
        if (width <= 0 || height <= 0)
            return;
        GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(colour)));
        RECT r{x, y, x + width, y + height};
        ::FillRect(dc_.get(), &r, brush.get());
    }

    void Line(int x1, int y1, int x2, int y2, Rgb colour) override {
        GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ToColorRef(colour)));
        Selection use(dc_.get(), pen.get());
        MoveToEx(dc_.get(), x1, y1, nullptr);
        LineTo(dc_.get(), x2, y2);
        SetPixelV(dc_.get(), x2, y2, ToColorRef(colour));  // LineTo leaves out the end
    }

    void Text(int x, int y, const std::string& text, const FontSpec& font, Rgb colour,
              TextAlign align) override {
        const std::wstring wide = Widen(text);
        Selection use(dc_.get(), Font(font, false));
        int left = x;
        if (align != TextAlign::Left) {
            const int w = Extent(wide);
            left = align == TextAlign::Center ? x - w / 2 : x - w;
        }
        SetTextColor(dc_.get(), ToColorRef(colour));
        TextOutW(dc_.get(), left, y, wide.c_str(), static_cast<int>(wide.size()));
    }

    // x is the left edge of the turned text, where the glyphs' tops are.
    void VerticalText(int x, int y, const std::string& text, const FontSpec& font,
                      Rgb colour) override {
        const std::wstring wide = Widen(text);
        int w = 0;
        {
            Selection measure(dc_.get(), Font(font, false));
            w = Extent(wide);
        }
        Selection use(dc_.get(), Font(font, true));
        SetTextColor(dc_.get(), ToColorRef(colour));
        // Turned text runs upwards from its reference point.
        TextOutW(dc_.get(), x, y + w / 2, wide.c_str(), static_cast<int>(wide.size()));
    }

    int TextWidth(const std::string& text, const FontSpec& font) override {
        Selection use(dc_.get(), Font(font, false));
        return Extent(Widen(text));
    }

    std::vector<std::uint8_t> Pixels() override {
        GdiFlush();  // GDI may still be drawing into the bits
        const auto width = static_cast<std::size_t>(width_);
        const std::size_t stride = (width * 3 + 3) & ~std::size_t{3};
        std::vector<std::uint8_t> rgb(width * static_cast<std::size_t>(height_) * 3);
        for (std::size_t y = 0; y < static_cast<std::size_t>(height_); ++y) {
            const std::uint8_t* from = bits_ + y * stride;
            std::uint8_t* to = rgb.data() + y * width * 3;
            for (std::size_t x = 0; x < width; ++x) {
                to[x * 3] = from[x * 3 + 2];
                to[x * 3 + 1] = from[x * 3 + 1];
                to[x * 3 + 2] = from[x * 3];
            }
        }
        return rgb;
    }

  private:
    int Extent(const std::wstring& text) {
        SIZE size{};
        GetTextExtentPoint32W(dc_.get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    // Fonts are made once per canvas and size, not once per text.
    HFONT Font(const FontSpec& wanted, bool vertical) {
        const auto key = std::make_tuple(wanted.pixelHeight, wanted.bold, vertical);
        auto it = fonts_.find(key);
        if (it == fonts_.end()) {
            const int angle = vertical ? 900 : 0;
            HFONT f = CreateFontW(-wanted.pixelHeight, 0, angle, angle,
                                  wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
            it = fonts_.emplace(key, GdiObject<HFONT>(f)).first;
        }
        return it->second.get();
    }

    // Released from the bottom up: the bitmap is selected out of the DC before it and
    // the fonts are deleted, and the DC goes last.
    int width_, height_;
    MemoryDc dc_{CreateCompatibleDC(nullptr)};
    std::map<std::tuple<int, bool, bool>, GdiObject<HFONT>> fonts_;
    GdiObject<HBITMAP> bitmap_;
    std::unique_ptr<Selection> selected_;  // the bitmap, in the DC
    const std::uint8_t* bits_ = nullptr;
};

}  // namespace

std::unique_ptr<Canvas> GdiCanvasFactory::Create(int width, int height) {
    if (width <= 0 || height <= 0)
        return nullptr;
    auto canvas = std::make_unique<GdiCanvas>(width, height);
    if (!canvas->Ready())
        return nullptr;
    return canvas;
}

}  // namespace tessaro::win32
