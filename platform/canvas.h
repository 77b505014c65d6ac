#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tessaro {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct FontSpec {
    int pixelHeight = 11;
    bool bold = false;
};

enum class TextAlign { Left, Center, Right };

// A picture drawn in memory. Text is UTF-8; x is the anchor given by the
// alignment, y the top of the text.
class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void FillRect(int x, int y, int width, int height, Rgb colour) = 0;
    virtual void Line(int x1, int y1, int x2, int y2, Rgb colour) = 0;
    virtual void Text(int x, int y, const std::string& text, const FontSpec& font, Rgb colour,
                      TextAlign align) = 0;
    // Text drawn turned by 90 degrees (reading upwards), centred on y.
    virtual void VerticalText(int x, int y, const std::string& text, const FontSpec& font,
                              Rgb colour) = 0;
    virtual int TextWidth(const std::string& text, const FontSpec& font) = 0;
    // The picture as rows of R, G, B bytes, top row first.
    virtual std::vector<std::uint8_t> Pixels() = 0;
};

class CanvasFactory {
  public:
    virtual ~CanvasFactory() = default;
    virtual std::unique_ptr<Canvas> Create(int width, int height) = 0;
};

}  // namespace tessaro
