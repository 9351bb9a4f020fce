#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace icongen {

Color shade(Color c, double f) {
  if (f <= 1.0) return Color{c.r * f, c.g * f, c.b * f, c.a};
  double t = std::min(f - 1.0, 1.0);
  return Color{c.r + (1 - c.r) * t, c.g + (1 - c.g) * t, c.b + (1 - c.b) * t, c.a};
}

Shape circle(double cx, double cy, double r) {
  return {[=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; },
          cx - r, cy - r, cx + r, cy + r};
}

Shape ellipse(double cx, double cy, double rx, double ry) {
  return {[=](double x, double y) {
            double u = (x - cx) / rx, v = (y - cy) / ry;
            return u * u + v * v <= 1.0;
          },
          cx - rx, cy - ry, cx + rx, cy + ry};
}

Shape rect(double x0, double y0, double x1, double y1) {
  return {[=](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }, x0, y0, x1, y1};
}

Shape roundRect(double x0, double y0, double x1, double y1, double r) {
  return {[=](double x, double y) {
            if (x < x0 || x > x1 || y < y0 || y > y1) return false;
            double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
          },
          x0, y0, x1, y1};
}

Shape polygon(std::vector<Pt> p) {  // non-zero winding
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  for (const Pt& q : p) {
    x0 = std::min(x0, q.x); y0 = std::min(y0, q.y);
    x1 = std::max(x1, q.x); y1 = std::max(y1, q.y);
  }
  return {[p = std::move(p)](double x, double y) {
            int wind = 0;
            size_t n = p.size();
            for (size_t i = 0; i < n; ++i) {
              const Pt& a = p[i];
              const Pt& b = p[(i + 1) % n];
              double side = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
              if (a.y <= y) {
                if (b.y > y && side > 0) ++wind;
              } else if (b.y <= y && side < 0) {
                --wind;
              }
            }
            return wind != 0;
          },
          x0, y0, x1, y1};
}

// A line of width w with round ends.
Shape line(double ax, double ay, double bx, double by, double w) {
  double r = w / 2;
  return {[=](double x, double y) {
            double dx = bx - ax, dy = by - ay;
            double len2 = dx * dx + dy * dy;
            double t = len2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / len2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            double px = ax + t * dx - x, py = ay + t * dy - y;
            return px * px + py * py <= r * r;
          },
          std::min(ax, bx) - r, std::min(ay, by) - r, std::max(ax, bx) + r, std::max(ay, by) + r};
}

Shape unite(std::vector<Shape> parts) {
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  for (const Shape& s : parts) {
    x0 = std::min(x0, s.x0); y0 = std::min(y0, s.y0);
    x1 = std::max(x1, s.x1); y1 = std::max(y1, s.y1);
  }
  return {[parts = std::move(parts)](double x, double y) {
            for (const Shape& s : parts)
              if (x >= s.x0 && x <= s.x1 && y >= s.y0 && y <= s.y1 && s.in(x, y)) return true;
            return false;
          },
          x0, y0, x1, y1};
}

Shape minus(Shape a, Shape b) {
  double x0 = a.x0, y0 = a.y0, x1 = a.x1, y1 = a.y1;
  return {[a = std::move(a), b = std::move(b)](double x, double y) { return a.in(x, y) && !b.in(x, y); },
          x0, y0, x1, y1};
}

Shape intersect(Shape a, Shape b) {
  double x0 = std::max(a.x0, b.x0), y0 = std::max(a.y0, b.y0);
  double x1 = std::min(a.x1, b.x1), y1 = std::min(a.y1, b.y1);
  return {[a = std::move(a), b = std::move(b)](double x, double y) { return a.in(x, y) && b.in(x, y); },
          x0, y0, x1, y1};
}

// Thick poly-line through the points, round joins and ends.
Shape polyline(const std::vector<Pt>& p, double w) {
  std::vector<Shape> segs;
  for (size_t i = 0; i + 1 < p.size(); ++i) segs.push_back(line(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y, w));
  return unite(std::move(segs));
}

// Points on a circle from angle a0 to a1 (degrees, 0 = right, 90 = down).
std::vector<Pt> arcPoints(double cx, double cy, double rx, double ry, double a0, double a1, int n) {
  std::vector<Pt> p;
  for (int i = 0; i <= n; ++i) {
    double a = (a0 + (a1 - a0) * i / n) * kPi / 180.0;
    p.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return p;
}

Shape ring(double cx, double cy, double r, double w) {
  return minus(circle(cx, cy, r + w / 2), circle(cx, cy, r - w / 2));
}

void appendCubic(std::vector<Pt>& out, Pt p0, Pt p1, Pt p2, Pt p3, int n) {
  for (int i = 1; i <= n; ++i) {
    double t = double(i) / n, u = 1 - t;
    out.push_back({u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
                   u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y});
  }
}

// The shape turned by deg degrees (clockwise on screen) about (cx, cy).
Shape rotate(Shape s, double cx, double cy, double deg) {
  double a = deg * kPi / 180.0, c = std::cos(a), sn = std::sin(a);
  // bounding box of the turned box
  double xs[4] = {s.x0, s.x1, s.x1, s.x0}, ys[4] = {s.y0, s.y0, s.y1, s.y1};
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  for (int i = 0; i < 4; ++i) {
    double dx = xs[i] - cx, dy = ys[i] - cy;
    double x = cx + dx * c - dy * sn, y = cy + dx * sn + dy * c;
    x0 = std::min(x0, x); y0 = std::min(y0, y); x1 = std::max(x1, x); y1 = std::max(y1, y);
  }
  return {[s = std::move(s), cx, cy, c, sn](double x, double y) {
            double dx = x - cx, dy = y - cy;  // turn back by -deg
            return s.in(cx + dx * c + dy * sn, cy - dx * sn + dy * c);
          },
          x0, y0, x1, y1};
}

Shape translate(Shape s, double dx, double dy) {
  double x0 = s.x0 + dx, y0 = s.y0 + dy, x1 = s.x1 + dx, y1 = s.y1 + dy;
  return {[s = std::move(s), dx, dy](double x, double y) { return s.in(x - dx, y - dy); }, x0, y0, x1, y1};
}

}  // namespace icongen
