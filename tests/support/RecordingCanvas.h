// A canvas for tests: it draws nothing and lists every drawing call with its
// exact integer arguments and the pen, brush and font in force at the time.
// Text is measured by fixed, settable metrics, so text placement is exact
// too. Header-only, so every test program can use it without a build change.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "render/Canvas.h"

namespace quobrix::testsupport {

struct CanvasCall {
  std::string op;                        // "MoveTo", "LineTo", "Rectangle", "RoundRect", "Ellipse", "Polygon",
                                         // "InvertPixel", "TextOut", "DrawTextWrapped"
  std::vector<int> args;                 // coordinates in call order; polygon vertices as x, y pairs
  std::string text;                      // TextOut and DrawTextWrapped
  TAlignment alignment = taLeftJustify;  // DrawTextWrapped
  TPen pen;
  TBrush brush;
  TBlockFont font;

  // "Op a,b,c" and, for text, " 'text'": compact enough to compare lists.
  std::string Describe() const {
    std::ostringstream out;
    out << op;
    for (std::size_t i = 0; i < args.size(); ++i) out << (i == 0 ? " " : ",") << args[i];
    if (op == "TextOut" || op == "DrawTextWrapped") out << " '" << text << "'";
    return out.str();
  }
};

class RecordingCanvas : public Canvas {
 public:
  // Every character is this wide, every text this high.
  int charWidth = 7;
  int textHeight = 16;

  std::vector<CanvasCall> calls;

  void MoveTo(int x, int y) override { Record("MoveTo", {x, y}); }
  void LineTo(int x, int y) override { Record("LineTo", {x, y}); }
  void Rectangle(int x1, int y1, int x2, int y2) override { Record("Rectangle", {x1, y1, x2, y2}); }
  void RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH) override {
    Record("RoundRect", {x1, y1, x2, y2, cornerW, cornerH});
  }
  void Ellipse(int x1, int y1, int x2, int y2) override { Record("Ellipse", {x1, y1, x2, y2}); }
  void Polygon(const std::vector<TPoint>& points) override {
    std::vector<int> args;
    for (const TPoint& p : points) args.insert(args.end(), {p.x, p.y});
    Record("Polygon", args);
  }
  void InvertPixel(int x, int y) override { Record("InvertPixel", {x, y}); }
  void TextOut(int x, int y, const std::string& text) override { Record("TextOut", {x, y}, text); }
  void DrawTextWrapped(const TRect& clip, const std::string& text, TAlignment alignment) override {
    Record("DrawTextWrapped", {clip.left, clip.top, clip.right, clip.bottom}, text);
    calls.back().alignment = alignment;
  }
  int TextWidth(const std::string& text) override { return charWidth * static_cast<int>(text.size()); }
  int TextHeight(const std::string&) override { return textHeight; }

  // Describe() of every call, in order.
  std::vector<std::string> Script() const {
    std::vector<std::string> out;
    for (const CanvasCall& c : calls) out.push_back(c.Describe());
    return out;
  }
  // The calls of one kind, in order.
  std::vector<CanvasCall> Calls(const std::string& op) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : calls)
      if (c.op == op) out.push_back(c);
    return out;
  }

 private:
  void Record(const char* op, std::vector<int> args, std::string text = {}) {
    calls.push_back({op, std::move(args), std::move(text), taLeftJustify, Pen, Brush, Font});
  }
};

}  // namespace quobrix::testsupport
