// The drawing primitives of the icon generator: colours, and shapes as
// inside tests over the 32 x 32 unit square with a bounding box.
#pragma once
#include <functional>
#include <vector>

namespace icongen {

constexpr double kPi = 3.14159265358979323846;

struct Color {
  double r, g, b, a;
};

constexpr Color rgb(int r, int g, int b, double a = 1.0) {
  return Color{r / 255.0, g / 255.0, b / 255.0, a};
}

// f < 1 darkens, f > 1 lightens towards white.
Color shade(Color c, double f);

inline const Color kInk = rgb(40, 40, 48);
inline const Color kWhite = rgb(255, 255, 255);
inline const Color kSkin = rgb(255, 218, 178);
inline const Color kHairDark = rgb(70, 48, 32);
inline const Color kHairBlack = rgb(35, 30, 30);
inline const Color kGlass = rgb(170, 215, 245);
inline const Color kTyre = rgb(45, 45, 50);
inline const Color kSteel = rgb(160, 165, 175);

struct Pt {
  double x, y;
};

// A shape is an inside test over the 32 x 32 unit square plus a bounding box
// that limits the pixels visited.
struct Shape {
  std::function<bool(double, double)> in;
  double x0 = 0, y0 = 0, x1 = 32, y1 = 32;
};

Shape circle(double cx, double cy, double r);
Shape ellipse(double cx, double cy, double rx, double ry);
Shape rect(double x0, double y0, double x1, double y1);
Shape roundRect(double x0, double y0, double x1, double y1, double r);
Shape polygon(std::vector<Pt> p);  // non-zero winding
Shape line(double ax, double ay, double bx, double by, double w);
Shape unite(std::vector<Shape> parts);
Shape minus(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape polyline(const std::vector<Pt>& p, double w);
std::vector<Pt> arcPoints(double cx, double cy, double rx, double ry, double a0, double a1, int n = 24);
Shape ring(double cx, double cy, double r, double w);
void appendCubic(std::vector<Pt>& out, Pt p0, Pt p1, Pt p2, Pt p3, int n = 16);
Shape rotate(Shape s, double cx, double cy, double deg);
Shape translate(Shape s, double dx, double dy);

}  // namespace icongen
