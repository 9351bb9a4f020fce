// icongen: draws the program's icons and writes them as .ico files.
//
//   icongen <outdir>
//
// writes <outdir>/icon128.ico (program), icon201.ico .. icon270.ico (the 70
// member icons), icon271.ico (all-members message), icon272.ico (bulletin
// board) and icon273.ico (update time). Every file holds a 32 x 32 and a
// 16 x 16 image, 32-bit BGRA with alpha plus the 1-bit AND mask.
//
// The pictures are made of a few vector shapes (circles, rectangles,
// polygons, thick lines) given in a 32 x 32 unit square. Each shape is an
// inside test; a pixel's coverage is the share of its 8 x 8 sub-samples
// inside the shape, which gives the anti-aliasing. The same drawing is
// rendered at both sizes, so the output depends on nothing but this file.
// Plain C++17 and the standard library only: it runs on the build host.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------- colours

struct Color {
  double r, g, b, a;
};

constexpr Color rgb(int r, int g, int b, double a = 1.0) {
  return Color{r / 255.0, g / 255.0, b / 255.0, a};
}

Color shade(Color c, double f) {  // f < 1 darkens, f > 1 lightens towards white
  if (f <= 1.0) return Color{c.r * f, c.g * f, c.b * f, c.a};
  double t = std::min(f - 1.0, 1.0);
  return Color{c.r + (1 - c.r) * t, c.g + (1 - c.g) * t, c.b + (1 - c.b) * t, c.a};
}

const Color kInk = rgb(40, 40, 48);
const Color kWhite = rgb(255, 255, 255);
const Color kSkin = rgb(255, 218, 178);
const Color kHairDark = rgb(70, 48, 32);
const Color kHairBlack = rgb(35, 30, 30);
const Color kGlass = rgb(170, 215, 245);
const Color kTyre = rgb(45, 45, 50);
const Color kSteel = rgb(160, 165, 175);

// ---------------------------------------------------------------- shapes

struct Pt {
  double x, y;
};

// A shape is an inside test over the 32 x 32 unit square plus a bounding box
// that limits the pixels visited.
struct Shape {
  std::function<bool(double, double)> in;
  double x0 = 0, y0 = 0, x1 = 32, y1 = 32;
};

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
std::vector<Pt> arcPoints(double cx, double cy, double rx, double ry, double a0, double a1, int n = 24) {
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

void appendCubic(std::vector<Pt>& out, Pt p0, Pt p1, Pt p2, Pt p3, int n = 16) {
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

// ---------------------------------------------------------------- canvas

class Canvas {
 public:
  explicit Canvas(int size) : size_(size), scale_(size / 32.0), px_(size_t(size) * size, Color{0, 0, 0, 0}) {}

  int size() const { return size_; }
  bool small() const { return size_ < 24; }

  void fill(const Shape& s, Color c) { paint(sample(s, 0), c); }

  // Fill with a darker rim of the same hue around it.
  void outlined(const Shape& s, Color c, double w = 1.1) { outlined(s, c, shade(c, 0.45), w); }
  void outlined(const Shape& s, Color c, Color rim, double w = 1.1) {
    // at 16 pixels a rim under a pixel wide only blurs the edge
    double ww = small() ? std::max(w, 1.8) : w;
    Samples inside = sample(s, ww);
    paint(grown(inside, ww * scale_ * kSub), rim);
    paint(inside, c);
  }

  // A width that stays at least `pixels` device pixels wide at this size.
  double atLeast(double units, double pixels = 1.0) const { return std::max(units, pixels / scale_); }

  // Straight-alpha BGRA bytes, rows bottom-up as a DIB wants them.
  std::vector<uint8_t> bgraBottomUp() const {
    std::vector<uint8_t> out;
    out.reserve(px_.size() * 4);
    for (int y = size_ - 1; y >= 0; --y)
      for (int x = 0; x < size_; ++x) {
        const Color& c = px_[size_t(y) * size_ + x];
        auto to8 = [](double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
        uint8_t a = to8(c.a);
        if (a == 0) {
          out.insert(out.end(), {0, 0, 0, 0});
          continue;
        }
        out.push_back(to8(c.b / c.a));
        out.push_back(to8(c.g / c.a));
        out.push_back(to8(c.r / c.a));
        out.push_back(a);
      }
    return out;
  }

  // AND mask: 1 = transparent, rows bottom-up, each padded to 32 bits.
  std::vector<uint8_t> maskBottomUp() const {
    int stride = ((size_ + 31) / 32) * 4;
    std::vector<uint8_t> out(size_t(stride) * size_, 0);
    for (int y = size_ - 1, row = 0; y >= 0; --y, ++row)
      for (int x = 0; x < size_; ++x)
        if (px_[size_t(y) * size_ + x].a < 0.5) out[size_t(row) * stride + x / 8] |= uint8_t(0x80 >> (x % 8));
    return out;
  }

 private:
  static constexpr int kSub = 8;  // sub-samples per pixel and axis

  // Inside bits of a shape at the sub-sample points of a box of whole pixels.
  struct Samples {
    int px0 = 0, py0 = 0, px1 = -1, py1 = -1;  // pixels covered, inclusive
    int w = 0, h = 0;                          // in sub-samples
    std::vector<uint8_t> in;
  };

  Samples sample(const Shape& s, double pad) const {
    Samples m;
    m.px0 = std::max(0, int(std::floor((s.x0 - pad) * scale_)));
    m.py0 = std::max(0, int(std::floor((s.y0 - pad) * scale_)));
    m.px1 = std::min(size_ - 1, int(std::ceil((s.x1 + pad) * scale_)));
    m.py1 = std::min(size_ - 1, int(std::ceil((s.y1 + pad) * scale_)));
    if (m.px1 < m.px0 || m.py1 < m.py0) return Samples{};
    m.w = (m.px1 - m.px0 + 1) * kSub;
    m.h = (m.py1 - m.py0 + 1) * kSub;
    m.in.assign(size_t(m.w) * m.h, 0);
    for (int j = 0; j < m.h; ++j)
      for (int i = 0; i < m.w; ++i) {
        double x = (m.px0 + (i + 0.5) / kSub) / scale_;
        double y = (m.py0 + (j + 0.5) / kSub) / scale_;
        m.in[size_t(j) * m.w + i] = s.in(x, y) ? 1 : 0;
      }
    return m;
  }

  // Squared distance transform along one line (Felzenszwalb and Huttenlocher):
  // the lower envelope of the parabolas rooted at every sample.
  static void distance1d(std::vector<double>& f, int n) {
    const size_t len = static_cast<size_t>(n);
    std::vector<double> d(len), z(len + 1);
    std::vector<int> v(len);
    auto cross = [&](int q, int p) {
      return ((f[size_t(q)] + double(q) * q) - (f[size_t(p)] + double(p) * p)) / (2.0 * q - 2.0 * p);
    };
    size_t k = 0;
    v[0] = 0;
    z[0] = -1e30;
    z[1] = 1e30;
    for (int q = 1; q < n; ++q) {
      double sq = cross(q, v[k]);
      while (sq <= z[k]) sq = cross(q, v[--k]);
      ++k;
      v[k] = q;
      z[k] = sq;
      z[k + 1] = 1e30;
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
      while (z[k + 1] < q) ++k;
      int p = v[k];
      d[size_t(q)] = double(q - p) * (q - p) + f[size_t(p)];
    }
    f = std::move(d);
  }

  // The sub-samples within r sub-samples of an inside one.
  static Samples grown(const Samples& m, double r) {
    Samples g = m;
    if (m.in.empty()) return g;
    const double far = 1e20;
    std::vector<double> dist(m.in.size());
    for (size_t i = 0; i < m.in.size(); ++i) dist[i] = m.in[i] ? 0 : far;
    std::vector<double> line;
    for (int i = 0; i < m.w; ++i) {  // columns
      line.assign(size_t(m.h), 0);
      for (int j = 0; j < m.h; ++j) line[size_t(j)] = dist[size_t(j) * m.w + i];
      distance1d(line, m.h);
      for (int j = 0; j < m.h; ++j) dist[size_t(j) * m.w + i] = line[size_t(j)];
    }
    for (int j = 0; j < m.h; ++j) {  // rows
      line.assign(dist.begin() + long(j) * m.w, dist.begin() + long(j + 1) * m.w);
      distance1d(line, m.w);
      std::copy(line.begin(), line.end(), dist.begin() + long(j) * m.w);
    }
    for (size_t i = 0; i < g.in.size(); ++i) g.in[i] = dist[i] <= r * r ? 1 : 0;
    return g;
  }

  void paint(const Samples& m, Color c) {
    if (m.in.empty()) return;
    for (int py = m.py0; py <= m.py1; ++py)
      for (int px = m.px0; px <= m.px1; ++px) {
        int hits = 0;
        for (int j = 0; j < kSub; ++j) {
          const uint8_t* row = &m.in[size_t((py - m.py0) * kSub + j) * m.w + size_t((px - m.px0) * kSub)];
          for (int i = 0; i < kSub; ++i) hits += row[i];
        }
        if (hits == 0) continue;
        double a = c.a * hits / double(kSub * kSub);
        Color& d = px_[size_t(py) * size_ + px];  // premultiplied
        d.r = c.r * a + d.r * (1 - a);
        d.g = c.g * a + d.g * (1 - a);
        d.b = c.b * a + d.b * (1 - a);
        d.a = a + d.a * (1 - a);
      }
  }

  int size_;
  double scale_;
  std::vector<Color> px_;
};

// ---------------------------------------------------------------- .ico file

void put16(std::vector<uint8_t>& v, unsigned x) {
  v.push_back(uint8_t(x & 0xFF));
  v.push_back(uint8_t((x >> 8) & 0xFF));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
  put16(v, x & 0xFFFF);
  put16(v, x >> 16);
}

std::vector<uint8_t> iconImage(const Canvas& c) {
  std::vector<uint8_t> v;
  int n = c.size();
  put32(v, 40);                 // BITMAPINFOHEADER size
  put32(v, uint32_t(n));        // width
  put32(v, uint32_t(2 * n));    // height: colour rows plus mask rows
  put16(v, 1);                  // planes
  put16(v, 32);                 // bits per pixel
  put32(v, 0);                  // BI_RGB
  put32(v, 0);                  // image size (may be 0 for BI_RGB)
  put32(v, 0); put32(v, 0);     // resolution
  put32(v, 0); put32(v, 0);     // colours used, important
  std::vector<uint8_t> px = c.bgraBottomUp(), mask = c.maskBottomUp();
  v.insert(v.end(), px.begin(), px.end());
  v.insert(v.end(), mask.begin(), mask.end());
  return v;
}

bool writeIco(const std::string& path, const std::vector<const Canvas*>& images) {
  std::vector<std::vector<uint8_t>> data;
  for (const Canvas* c : images) data.push_back(iconImage(*c));
  std::vector<uint8_t> f;
  put16(f, 0);  // reserved
  put16(f, 1);  // type: icon
  put16(f, unsigned(images.size()));
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    int n = images[i]->size();
    f.push_back(uint8_t(n));  // width
    f.push_back(uint8_t(n));  // height
    f.push_back(0);           // colour count
    f.push_back(0);           // reserved
    put16(f, 1);              // planes
    put16(f, 32);             // bits per pixel
    put32(f, uint32_t(data[i].size()));
    put32(f, offset);
    offset += uint32_t(data[i].size());
  }
  for (const auto& d : data) f.insert(f.end(), d.begin(), d.end());
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = std::fwrite(f.data(), 1, f.size(), out) == f.size();
  ok = (std::fclose(out) == 0) && ok;
  return ok;
}

// ================================================================ pictures

using Draw = std::function<void(Canvas&)>;

// ---------------------------------------------------------------- people

enum class Hair { Short, Long, Bob, None };
enum class Extra { None, Tie, Helmet, Cap, Glasses, Ribbon };

struct Person {
  Color shirt;
  Hair hair;
  Color hairColor;
  Extra extra = Extra::None;
  Color extraColor = kWhite;
};

// A bust: head and shoulders, the shirt colour tells members apart.
void drawPerson(Canvas& c, const Person& p, double dx = 0, double dy = 0, double k = 1.0) {
  auto X = [&](double x) { return 16 + (x - 16) * k + dx; };
  auto Y = [&](double y) { return 32 + (y - 32) * k + dy; };
  auto R = [&](double r) { return r * k; };
  double hx = X(16), hy = Y(10.5), hr = R(6.2);

  if (p.hair == Hair::Long)  // hair falling behind the shoulders
    c.outlined(unite({circle(hx, hy, hr + R(1.2)), roundRect(X(8.6), Y(10), X(23.4), Y(21.5), R(3))}), p.hairColor);

  Shape body = unite({roundRect(X(4), Y(19.5), X(28), Y(34), R(7.5))});
  c.outlined(intersect(body, rect(0, 0, 32, 31.6)), p.shirt);
  // neck opening
  if (p.extra == Extra::Tie) {
    c.fill(polygon({{X(12.5), Y(19.6)}, {X(19.5), Y(19.6)}, {X(16), Y(26)}}), kWhite);
    c.outlined(polygon({{X(15), Y(21)}, {X(17), Y(21)}, {X(18), Y(28)}, {X(16), Y(30.5)}, {X(14), Y(28)}}),
               p.extraColor, 0.6);
  } else {
    c.fill(intersect(circle(X(16), Y(18.3), R(3.6)), rect(0, Y(19.6), 32, 32)), kSkin);
  }

  c.outlined(circle(hx, hy, hr), kSkin, rgb(150, 105, 80), 0.9);
  switch (p.hair) {
    case Hair::Short:
      c.fill(intersect(circle(hx, hy - R(0.3), hr + R(0.6)),
                       unite({rect(0, 0, 32, hy - R(2.2)), rect(0, 0, hx - R(4.8), hy + R(0.5)),
                              rect(hx + R(4.8), 0, 32, hy + R(0.5))})),
             p.hairColor);
      break;
    case Hair::Long:
    case Hair::Bob:
      c.fill(intersect(circle(hx, hy - R(0.3), hr + R(0.8)),
                       unite({rect(0, 0, 32, hy - R(1.8)), rect(0, 0, hx - R(4.2), hy + R(3.5)),
                              rect(hx + R(4.2), 0, 32, hy + R(3.5))})),
             p.hairColor);
      break;
    case Hair::None:
      break;
  }
  if (!c.small() && k > 0.8) {
    c.fill(circle(hx - R(2.2), hy + R(0.6), R(0.85)), kInk);
    c.fill(circle(hx + R(2.2), hy + R(0.6), R(0.85)), kInk);
    c.fill(intersect(ring(hx, hy + R(1.8), R(2.2), R(0.7)), rect(0, hy + R(2.8), 32, 32)), rgb(190, 90, 80));
  }
  switch (p.extra) {
    case Extra::Helmet:
      c.outlined(unite({intersect(circle(hx, hy - R(0.5), hr + R(1.2)), rect(0, 0, 32, hy - R(0.8))),
                        roundRect(hx - hr - R(2.2), hy - R(1.6), hx + hr + R(2.2), hy - R(0.2), R(0.7))}),
                 p.extraColor);
      c.fill(rect(hx - R(0.8), hy - hr - R(1.2), hx + R(0.8), hy - R(1.2)), shade(p.extraColor, 0.8));
      break;
    case Extra::Cap:
      c.outlined(unite({intersect(circle(hx, hy - R(0.8), hr + R(0.6)), rect(0, 0, 32, hy - R(1.8))),
                        roundRect(hx - R(1), hy - R(2.8), hx + hr + R(4.5), hy - R(1.2), R(0.8))}),
                 p.extraColor);
      break;
    case Extra::Glasses:
      if (!c.small()) {
        c.fill(ring(hx - R(2.4), hy + R(0.6), R(1.7), R(0.7)), kInk);
        c.fill(ring(hx + R(2.4), hy + R(0.6), R(1.7), R(0.7)), kInk);
        c.fill(line(hx - R(0.7), hy + R(0.4), hx + R(0.7), hy + R(0.4), R(0.6)), kInk);
      } else {
        c.fill(line(hx - R(4.4), hy + R(0.6), hx + R(4.4), hy + R(0.6), 2.0), kInk);
      }
      break;
    case Extra::Ribbon:
      c.outlined(unite({polygon({{hx + R(2), hy - R(6)}, {hx + R(6.5), hy - R(8.8)}, {hx + R(6.5), hy - R(3.2)}}),
                        polygon({{hx + R(2), hy - R(6)}, {hx - R(2.5), hy - R(8.8)}, {hx - R(2.5), hy - R(3.2)}}),
                        circle(hx + R(2), hy - R(6), R(1.5))}),
                 p.extraColor, 0.7);
      break;
    default:
      break;
  }
}

Draw person(Person p) {
  return [p](Canvas& c) { drawPerson(c, p); };
}

Draw twoPeople(Color a, Color b) {
  return [a, b](Canvas& c) {
    drawPerson(c, Person{b, Hair::Bob, kHairDark}, 6.5, -1, 0.72);
    drawPerson(c, Person{a, Hair::Short, kHairBlack}, -5.5, 0, 0.8);
  };
}

// ---------------------------------------------------------------- vehicles

void wheel(Canvas& c, double x, double y, double r) {
  c.fill(circle(x, y, r), kTyre);
  c.fill(circle(x, y, r * 0.45), kSteel);
}

Draw car(Color body, bool taxi = false) {
  return [=](Canvas& c) {
    Shape cabin = polygon({{8, 15.5}, {11, 8.5}, {21.5, 8.5}, {25.5, 15.5}});
    c.outlined(cabin, body);
    c.outlined(roundRect(1.5, 14.5, 30.5, 24.5, 3.5), body);
    c.fill(polygon({{10.3, 14.8}, {12.2, 10}, {16, 10}, {16, 14.8}}), kGlass);
    c.fill(polygon({{17.3, 14.8}, {17.3, 10}, {20.7, 10}, {23.6, 14.8}}), kGlass);
    c.fill(rect(2.5, 17.5, 5, 19.5), rgb(255, 245, 170));          // head light
    c.fill(rect(27.5, 17.5, 30, 19.5), rgb(220, 60, 50));          // tail light
    if (taxi) {
      c.outlined(roundRect(13, 4.5, 19.5, 8.2, 1), rgb(250, 250, 250), kInk, 0.8);
      if (!c.small()) {
        c.fill(rect(3, 20.5, 29, 22.3), kInk);
        for (int i = 0; i < 6; ++i) c.fill(rect(3 + i * 4.4, 20.5, 5.2 + i * 4.4, 22.3), kWhite);
      }
    }
    wheel(c, 8.5, 24.5, 4.2);
    wheel(c, 23.5, 24.5, 4.2);
  };
}

Draw truck(Color cab, Color cargo) {
  return [=](Canvas& c) {
    c.outlined(roundRect(1.5, 6, 20.5, 23, 1.5), cargo);
    c.outlined(polygon({{21.5, 11}, {27, 11}, {30.5, 17}, {30.5, 23.5}, {21.5, 23.5}}), cab);
    c.fill(polygon({{23, 12.5}, {26.3, 12.5}, {28.8, 16.8}, {23, 16.8}}), kGlass);
    c.fill(rect(1.5, 22.5, 30.5, 25), kInk);
    wheel(c, 7, 25.5, 3.8);
    wheel(c, 25, 25.5, 3.8);
  };
}

Draw bus(Color body) {
  return [=](Canvas& c) {
    c.outlined(roundRect(1.5, 6, 30.5, 24.5, 3), body);
    c.fill(rect(1.5, 18, 30.5, 20), kWhite);
    for (int i = 0; i < 4; ++i) c.fill(roundRect(4 + i * 5.2, 9, 8 + i * 5.2, 15, 0.8), kGlass);
    c.fill(roundRect(25.5, 9, 29.5, 16.5, 0.8), kGlass);                      // windscreen
    c.fill(rect(25.5, 17.5, 28, 23.5), shade(body, 0.7));                      // door
    wheel(c, 8, 24.5, 3.8);
    wheel(c, 24, 24.5, 3.8);
  };
}

Draw train() {
  return [](Canvas& c) {
    Color body = rgb(40, 150, 80);
    c.fill(line(3, 30, 29, 30, 1.6), kSteel);                                  // rail
    c.fill(line(9, 27, 6, 31, 1.6), kSteel);
    c.fill(line(23, 27, 26, 31, 1.6), kSteel);
    c.outlined(roundRect(6, 2.5, 26, 27, 6), body);
    c.fill(rect(6.2, 18, 25.8, 20.5), rgb(250, 250, 250));
    c.fill(roundRect(9, 6.5, 23, 14, 2), kGlass);
    c.fill(circle(10.5, 23, 1.9), rgb(255, 240, 150));
    c.fill(circle(21.5, 23, 1.9), rgb(255, 240, 150));
  };
}

Draw plane() {
  return [](Canvas& c) {
    Color body = rgb(235, 240, 248), trim = rgb(40, 90, 180);
    Shape fuselage = roundRect(13.8, 2, 18.2, 29, 2.2);
    Shape wings = polygon({{16, 10.5}, {30, 18.5}, {30, 21}, {16, 17.5}, {2, 21}, {2, 18.5}});
    Shape tail = polygon({{16, 23}, {21.5, 28.5}, {21.5, 30}, {16, 28.5}, {10.5, 30}, {10.5, 28.5}});
    Shape all = unite({fuselage, wings, tail});
    c.outlined(rotate(all, 16, 16, 45), body, trim, 1.3);
    c.fill(rotate(roundRect(15, 3.5, 17, 7.5, 1), 16, 16, 45), kGlass);
  };
}

Draw bicycle(Color frame) {
  return [=](Canvas& c) {
    double w = c.atLeast(1.8, 1.1);
    c.fill(ring(8, 21, 6.2, c.atLeast(1.8, 1.0)), kTyre);
    c.fill(ring(24, 21, 6.2, c.atLeast(1.8, 1.0)), kTyre);
    c.fill(polyline({{8, 21}, {13, 12}, {15, 21}, {8, 21}}, w), frame);
    c.fill(polyline({{13, 12}, {22.5, 12}, {15, 21}}, w), frame);
    c.fill(polyline({{24, 21}, {21.5, 8}, {24.5, 6.5}}, w), frame);
    c.fill(line(10.5, 9.5, 15.5, 9.5, 2.2), kInk);                         // saddle
    c.fill(line(13, 12, 12.3, 9.5, w), frame);
    c.fill(circle(15, 21, 1.6), kInk);
  };
}

Draw ship() {
  return [](Canvas& c) {
    c.outlined(rect(17, 4, 21, 12), rgb(220, 60, 50));                                   // funnel
    c.outlined(rect(9, 9, 24, 17), kWhite, rgb(120, 130, 150), 1.0);                     // cabin
    for (int i = 0; i < 3; ++i) c.fill(circle(12.5 + i * 4, 13, 1.3), kGlass);
    c.outlined(polygon({{1.5, 16}, {30.5, 16}, {26, 25}, {6, 25}}), rgb(30, 70, 150));  // hull
    c.fill(rect(3, 18, 29, 19.5), kWhite);
    Color sea = rgb(60, 160, 230);
    std::vector<Pt> wave;
    for (int i = 0; i <= 32; ++i) wave.push_back({i * 1.0, 28 + 1.3 * std::sin(i * kPi / 4)});
    c.fill(polyline(wave, c.atLeast(2, 1.2)), sea);
  };
}

// ---------------------------------------------------------------- places

Draw house(Color roof, Color wall) {
  return [=](Canvas& c) {
    c.outlined(rect(21, 4, 24.5, 12), shade(roof, 0.8));                              // chimney
    c.outlined(rect(6, 14, 26, 29), wall, rgb(120, 100, 80), 1.0);
    c.outlined(polygon({{2, 16.5}, {16, 3.5}, {30, 16.5}}), roof);
    c.outlined(rect(9, 19.5, 14.5, 29), rgb(150, 95, 55), 0.8);                        // door
    c.outlined(rect(17.5, 18.5, 23, 23.5), kGlass, rgb(90, 110, 130), 0.8);
    if (!c.small()) c.fill(circle(13, 24.5, 0.7), rgb(250, 210, 80));
  };
}

Draw officeBuilding() {
  return [](Canvas& c) {
    Color wall = rgb(110, 130, 160);
    c.outlined(rect(7, 2, 25, 30), wall);
    for (int r = 0; r < 6; ++r)
      for (int k = 0; k < 3; ++k)
        c.fill(rect(9.5 + k * 5.2, 4.5 + r * 4, 12.5 + k * 5.2, 6.8 + r * 4),
               (r + k) % 3 == 1 ? rgb(255, 230, 120) : rgb(200, 225, 250));
    c.fill(rect(14, 26, 18, 30), shade(wall, 0.55));
  };
}

Draw factory() {
  return [](Canvas& c) {
    Color wall = rgb(200, 110, 70);
    c.fill(circle(26, 5, 2.5), rgb(190, 190, 195, 0.9));                                 // smoke
    c.fill(circle(29, 2.8, 2), rgb(210, 210, 215, 0.8));
    c.outlined(rect(23, 6, 27, 28), rgb(150, 150, 160));                                  // chimney
    c.fill(rect(23, 9, 27, 10.5), rgb(220, 60, 50));
    c.outlined(polygon({{2, 29}, {2, 14}, {9, 8}, {9, 14}, {16, 8}, {16, 14}, {23, 8}, {23, 29}}), wall);
    for (int i = 0; i < 3; ++i) c.fill(rect(4 + i * 6.3, 19, 8 + i * 6.3, 23), rgb(255, 230, 130));
  };
}

Draw hospital() {
  return [](Canvas& c) {
    c.outlined(rect(3, 6, 29, 29), kWhite, rgb(120, 130, 150), 1.0);
    c.fill(rect(3.2, 6.2, 28.8, 9), rgb(90, 170, 230));
    c.fill(unite({rect(13.5, 11, 18.5, 24), rect(9.5, 15, 22.5, 20)}), rgb(225, 40, 45));
    c.fill(rect(13.5, 25.5, 18.5, 29), rgb(120, 170, 210));
  };
}

Draw school() {
  return [](Canvas& c) {
    Color wall = rgb(245, 225, 180), roof = rgb(150, 70, 50);
    c.outlined(rect(2, 14, 30, 29), wall, rgb(140, 110, 80), 1.0);
    c.outlined(polygon({{9, 14}, {16, 3}, {23, 14}}), roof);
    c.outlined(circle(16, 10.5, 3), kWhite, kInk, 0.7);
    c.fill(line(16, 10.5, 16, 8.6, 0.8), kInk);
    c.fill(line(16, 10.5, 17.6, 10.5, 0.8), kInk);
    for (int i = 0; i < 4; ++i) c.fill(rect(4 + i * 6.6 + (i >= 2 ? 2 : 0), 17, 7.5 + i * 6.6 + (i >= 2 ? 2 : 0), 21), kGlass);
    c.fill(rect(13.5, 22, 18.5, 29), rgb(150, 95, 55));
  };
}

Draw shop() {
  return [](Canvas& c) {
    c.outlined(rect(4, 12, 28, 29), rgb(250, 245, 230), rgb(130, 110, 90), 1.0);
    Shape awning = polygon({{2, 7}, {30, 7}, {30, 14}, {2, 14}});
    c.outlined(awning, rgb(230, 50, 50));
    for (int i = 0; i < 4; ++i) c.fill(rect(5.5 + i * 7, 7.2, 9 + i * 7, 13.8), kWhite);
    for (int i = 0; i < 7; ++i) c.fill(circle(4 + i * 4, 14, 2), i % 2 ? kWhite : rgb(230, 50, 50));
    c.fill(rect(6.5, 18, 15, 25), kGlass);
    c.fill(rect(18, 18, 25.5, 29), rgb(150, 95, 55));
  };
}

Draw tree() {
  return [](Canvas& c) {
    c.outlined(rect(14, 18, 18, 30), rgb(140, 90, 50));
    c.outlined(unite({circle(16, 10, 8), circle(9.5, 15, 6), circle(22.5, 15, 6), circle(16, 17, 6)}),
               rgb(70, 170, 70));
    if (!c.small()) {
      c.fill(circle(12, 9, 1.6), rgb(120, 210, 110));
      c.fill(circle(21, 13, 1.3), rgb(120, 210, 110));
    }
  };
}

Draw mountain() {
  return [](Canvas& c) {
    c.fill(circle(25.5, 6.5, 3.8), rgb(255, 180, 40));
    Shape peak = polygon({{0.5, 28}, {13, 6}, {24, 22}, {26, 19.5}, {31.5, 28}});
    c.outlined(peak, rgb(90, 120, 170));
    c.fill(intersect(peak, polygon({{0, 13.5}, {9.5, 11.5}, {12, 14}, {14.5, 11}, {18, 14}, {18, 0}, {0, 0}})),
           kWhite);
    c.fill(rect(0.5, 26.5, 31.5, 29.5), rgb(80, 160, 70));
  };
}

Draw bed() {
  return [](Canvas& c) {
    Color wood = rgb(150, 95, 55);
    c.outlined(rect(2, 9, 5, 28), wood);                                  // head board
    c.outlined(rect(27, 16, 30, 28), wood);                               // foot board
    c.outlined(rect(4.5, 18, 27.5, 23), kWhite, rgb(140, 140, 150), 0.9);  // mattress
    c.outlined(roundRect(5.5, 13.5, 12, 18.2, 2), kWhite, rgb(140, 140, 150), 0.9);  // pillow
    c.outlined(polygon({{12.5, 14}, {27.5, 15.5}, {27.5, 23}, {12.5, 23}}), rgb(70, 110, 200));  // blanket
    if (!c.small()) {
      c.fill(rect(13.5, 25, 26, 26), kInk);
      for (int i = 0; i < 2; ++i) {  // "z z" of sleep
        double x = 16 + i * 6, y = 9 - i * 5, k = 3.2 + i * 0.8;
        c.fill(polyline({{x, y}, {x + k, y}, {x, y + k}, {x + k, y + k}}, 1.0), rgb(70, 110, 200));
      }
    }
  };
}

// ---------------------------------------------------------------- symbols

Shape starShape(double cx, double cy, double r0, double r1, int n = 5) {
  std::vector<Pt> p;
  for (int i = 0; i < 2 * n; ++i) {
    double a = (-90 + i * 180.0 / n) * kPi / 180.0;
    double r = i % 2 ? r1 : r0;
    p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return polygon(p);
}

Draw star(Color col) {
  return [=](Canvas& c) { c.outlined(starShape(16, 17.2, 15, 6.3), col, shade(col, 0.55), 1.2); };
}

Shape heartShape() {
  std::vector<Pt> p{{16, 29}};
  appendCubic(p, {16, 29}, {10, 23}, {1.5, 18}, {1.5, 10.5});
  appendCubic(p, {1.5, 10.5}, {1.5, 2}, {13.5, 1}, {16, 9});
  appendCubic(p, {16, 9}, {18.5, 1}, {30.5, 2}, {30.5, 10.5});
  appendCubic(p, {30.5, 10.5}, {30.5, 18}, {22, 23}, {16, 29});
  return polygon(p);
}

Draw heart(Color col) {
  return [=](Canvas& c) {
    c.outlined(heartShape(), col, shade(col, 0.55), 1.1);
    if (!c.small()) c.fill(ellipse(9, 9, 2.3, 3.3), shade(col, 1.6));
  };
}

void clockFace(Canvas& c, double cx, double cy, double r, Color rim) {
  c.outlined(circle(cx, cy, r), kWhite, rim, c.small() ? 2.2 : 2.0);
  double w = c.atLeast(r * 0.13, 1.0);
  if (!c.small())
    for (int i = 0; i < 12; ++i) {
      double a = i * kPi / 6;
      c.fill(line(cx + std::cos(a) * r * 0.78, cy + std::sin(a) * r * 0.78, cx + std::cos(a) * r * 0.9,
                  cy + std::sin(a) * r * 0.9, i % 3 ? r * 0.06 : r * 0.11),
             kInk);
    }
  c.fill(line(cx, cy, cx, cy - r * 0.62, w), kInk);              // minute hand at 12
  c.fill(line(cx, cy, cx + r * 0.45, cy + r * 0.12, w), kInk);    // hour hand near 3
  c.fill(circle(cx, cy, w * 0.9), rgb(220, 50, 40));
}

Draw clock() {
  return [](Canvas& c) { clockFace(c, 16, 16, 13.5, rgb(40, 110, 200)); };
}

Draw deskPhone() {
  return [](Canvas& c) {
    Color body = rgb(220, 50, 50);
    c.outlined(polygon({{5, 29}, {8.5, 15}, {23.5, 15}, {27, 29}}), body);
    Shape handset = unite({roundRect(3, 5, 29, 10, 2.5), roundRect(3, 5, 9.5, 14, 2.5), roundRect(22.5, 5, 29, 14, 2.5)});
    c.outlined(handset, body);
    c.outlined(circle(16, 22, 4.6), kWhite, shade(body, 0.5), 0.8);
    c.fill(circle(16, 22, 1.6), shade(body, 0.7));
  };
}

Draw mobilePhone() {
  return [](Canvas& c) {
    c.outlined(roundRect(8.5, 2, 23.5, 30, 3), rgb(50, 60, 80), kInk, 1.0);
    c.fill(rect(10.5, 6, 21.5, 24), rgb(120, 200, 250));
    c.fill(circle(16, 27, 1.4), rgb(150, 160, 180));
    if (!c.small()) {
      c.fill(rect(12, 8, 16, 11), kWhite);
      c.fill(rect(12, 13, 20, 14), kWhite);
      c.fill(rect(12, 16, 18, 17), kWhite);
    }
  };
}

Draw memo() {
  return [](Canvas& c) {
    Color paper = rgb(255, 235, 120);
    c.outlined(polygon({{5, 3}, {27, 3}, {27, 22}, {21, 29}, {5, 29}}), paper, rgb(170, 140, 40), 1.0);
    c.fill(polygon({{27, 22}, {21, 22}, {21, 29}}), rgb(225, 195, 70));
    double w = c.atLeast(1.3, 1.0);
    for (int i = 0; i < 4; ++i) c.fill(line(8.5, 9 + i * 4.5, i == 3 ? 18 : 23.5, 9 + i * 4.5, w), rgb(150, 120, 60));
  };
}

Draw musicNote() {
  return [](Canvas& c) {
    Color col = rgb(120, 60, 190);
    Shape notes = unite({rotate(ellipse(9, 25, 5, 3.6), 9, 25, -25), rotate(ellipse(23, 22, 5, 3.6), 23, 22, -25),
                         rect(12.4, 5.5, 14.6, 25), rect(26.4, 2.5, 28.6, 22),
                         polygon({{12.4, 5.5}, {28.6, 2.5}, {28.6, 7.5}, {12.4, 10.5}})});
    c.outlined(notes, col);
  };
}

Draw umbrella(Color col) {
  return [=](Canvas& c) {
    double w = c.atLeast(2, 1.2);
    c.fill(polyline(arcPoints(12.5, 26.5, 3.5, 3.5, 0, 180, 12), w), kInk);   // hook
    c.fill(line(16, 6, 16, 26.5, w), kInk);
    std::vector<Pt> top = arcPoints(16, 16, 14, 13, 180, 360, 32);
    for (int i = 3; i >= 0; --i)
      appendCubic(top, top.back(), {2 + (i + 0.75) * 7, 14.5}, {2 + (i + 0.25) * 7, 14.5}, {2 + i * 7.0, 16}, 6);
    c.outlined(polygon(top), col);
    c.fill(polygon({{16, 3}, {13, 16}, {19, 16}}), shade(col, 1.35));
    c.fill(line(16, 1.5, 16, 3.5, w), kInk);
  };
}

Draw coffee() {
  return [](Canvas& c) {
    Color cup = rgb(250, 250, 250), rim = rgb(120, 80, 50);
    c.outlined(ellipse(15, 28, 13, 2.6), cup, rim, 0.9);                        // saucer
    c.fill(ring(24, 19.5, 4, c.atLeast(2.2, 1.2)), rim);                          // handle
    c.outlined(unite({rect(5, 13, 25, 20), ellipse(15, 20, 10, 7)}), cup, rim, 1.0);
    c.fill(ellipse(15, 13.2, 9.4, 1.8), rgb(110, 60, 30));
    double w = c.atLeast(1.4, 1.0);
    for (int i = 0; i < 3; ++i) {
      double x = 10 + i * 5;
      std::vector<Pt> s;
      for (int k = 0; k <= 12; ++k) s.push_back({x + 1.2 * std::sin(k * kPi / 4), 9.5 - k * 0.6});
      c.fill(polyline(s, w), rgb(170, 170, 180));
    }
  };
}

Draw sun() {
  return [](Canvas& c) {
    Color rays = rgb(250, 150, 30);
    for (int i = 0; i < 8; ++i) {
      double a = i * kPi / 4;
      c.fill(line(16 + std::cos(a) * 10, 16 + std::sin(a) * 10, 16 + std::cos(a) * 14.5, 16 + std::sin(a) * 14.5,
                  c.atLeast(2.6, 1.3)),
             rays);
    }
    c.outlined(circle(16, 16, 8), rgb(255, 205, 40), rays, 1.2);
  };
}

Shape cloudShape(double dx = 0, double dy = 0) {
  return unite({circle(11 + dx, 19 + dy, 6), circle(18 + dx, 14 + dy, 8), circle(24.5 + dx, 20 + dy, 5.5),
                roundRect(5 + dx, 19 + dy, 30 + dx, 25.5 + dy, 3)});
}

Draw cloud() {
  return [](Canvas& c) {
    c.outlined(translate(cloudShape(), -2, -1), rgb(235, 240, 248), rgb(100, 120, 150), 1.2);
  };
}

Draw moon() {
  return [](Canvas& c) {
    Color col = rgb(255, 215, 60);
    c.outlined(minus(circle(15, 16, 13), circle(22, 11, 11)), col, rgb(170, 130, 20), 1.1);
    if (!c.small()) c.fill(starShape(25, 24, 3.5, 1.5), col);
  };
}

Draw snowflake() {
  return [](Canvas& c) {
    Color col = rgb(60, 150, 230);
    double w = c.atLeast(2.2, 1.2);
    std::vector<Shape> arms;
    for (int i = 0; i < 3; ++i) {
      double a = i * 60.0;
      arms.push_back(rotate(unite({line(16, 2, 16, 30, w), polyline({{11.5, 4.5}, {16, 8.5}, {20.5, 4.5}}, w),
                                   polyline({{11.5, 27.5}, {16, 23.5}, {20.5, 27.5}}, w)}),
                            16, 16, a));
    }
    c.fill(unite(arms), col);
    c.fill(circle(16, 16, 2.5), col);
  };
}

Draw lightning() {
  return [](Canvas& c) {
    c.outlined(polygon({{19, 1.5}, {6, 18}, {14.5, 18}, {10.5, 30.5}, {26, 12.5}, {17.5, 12.5}, {22.5, 1.5}}),
               rgb(255, 215, 30), rgb(200, 110, 0), 1.2);
  };
}

Draw envelope() {
  return [](Canvas& c) {
    c.outlined(rect(2, 7, 30, 26), kWhite, rgb(90, 110, 150), 1.1);
    c.fill(polyline({{2.5, 7.5}, {16, 18}, {29.5, 7.5}}, c.atLeast(1.4, 1.0)), rgb(90, 110, 150));
    c.fill(polyline({{2.5, 25.5}, {12.5, 15.5}}, c.atLeast(1.0, 0.7)), rgb(150, 165, 190));
    c.fill(polyline({{29.5, 25.5}, {19.5, 15.5}}, c.atLeast(1.0, 0.7)), rgb(150, 165, 190));
  };
}

Draw calendar() {
  return [](Canvas& c) {
    c.outlined(rect(3, 5, 29, 29), kWhite, rgb(110, 110, 120), 1.0);
    c.fill(rect(3, 5, 29, 11.5), rgb(220, 50, 50));
    c.fill(roundRect(8, 2, 10.5, 8, 1), rgb(90, 90, 100));
    c.fill(roundRect(21.5, 2, 24, 8, 1), rgb(90, 90, 100));
    for (int r = 0; r < 4; ++r)
      for (int k = 0; k < 5; ++k) {
        if (c.small() && (r + k) % 2) continue;
        c.fill(rect(5.5 + k * 4.6, 13.5 + r * 3.8, 8 + k * 4.6, 15.5 + r * 3.8),
               (r == 1 && k == 2) ? rgb(220, 50, 50) : rgb(100, 100, 110));
      }
  };
}

Draw pencil() {
  return [](Canvas& c) {
    Shape body = rect(13, 6, 19, 24);
    Shape all = unite({body, polygon({{13, 24}, {19, 24}, {16, 31}}), roundRect(13, 1, 19, 7, 1.5)});
    c.outlined(rotate(all, 16, 16, 45), rgb(255, 200, 40), rgb(60, 60, 70), 1.1);
    c.fill(rotate(rect(15.3, 6, 16.7, 24), 16, 16, 45), rgb(235, 165, 20));
    c.fill(rotate(polygon({{13, 24}, {19, 24}, {16, 31}}), 16, 16, 45), rgb(240, 215, 170));
    c.fill(rotate(polygon({{15, 28.7}, {17, 28.7}, {16, 31}}), 16, 16, 45), kInk);
    c.fill(rotate(roundRect(13, 1, 19, 5.5, 1.5), 16, 16, 45), rgb(245, 140, 160));
    c.fill(rotate(rect(13, 5, 19, 6.5), 16, 16, 45), kSteel);
  };
}

Draw book() {
  return [](Canvas& c) {
    Color cover = rgb(40, 120, 90);
    c.outlined(rect(6, 4, 27, 29), kWhite, rgb(120, 120, 120), 0.9);           // pages
    c.outlined(rect(5, 3, 25, 27), cover);
    c.fill(rect(5, 3, 8, 27), shade(cover, 0.7));
    c.fill(rect(11.5, 8, 21.5, 12), rgb(250, 240, 200));
  };
}

Draw key() {
  return [](Canvas& c) {
    Color gold = rgb(240, 190, 40);
    Shape k = unite({ring(9, 16, 5.2, 3.4), rect(13.5, 14.5, 29.5, 17.8), rect(22, 17, 24.5, 22.5), rect(26.5, 17, 29.5, 21.5)});
    c.outlined(rotate(k, 16, 16, -30), gold, rgb(150, 100, 10), 1.0);
  };
}

Draw bell() {
  return [](Canvas& c) {
    Color col = rgb(250, 190, 40);
    std::vector<Pt> p{{3, 25}};
    appendCubic(p, {3, 25}, {7, 22}, {7, 17}, {7, 13});
    appendCubic(p, {7, 13}, {7, 3}, {25, 3}, {25, 13});
    appendCubic(p, {25, 13}, {25, 17}, {25, 22}, {29, 25});
    c.outlined(unite({circle(16, 28, 2.8), circle(16, 4, 2.2)}), rgb(200, 120, 20), rgb(130, 80, 10), 1.0);
    c.outlined(polygon(p), col, rgb(160, 100, 10), 1.1);
    c.fill(rect(3, 24, 29, 26), rgb(210, 140, 30));
    if (!c.small()) c.fill(ellipse(11.5, 12, 1.5, 3.5), shade(col, 1.6));
  };
}

Draw flag(Color col) {
  return [=](Canvas& c) {
    c.fill(line(6, 3, 6, 30, c.atLeast(2.2, 1.2)), rgb(110, 90, 70));
    c.fill(circle(6, 3, 1.8), rgb(240, 190, 40));
    std::vector<Pt> p;
    for (int i = 0; i <= 12; ++i) p.push_back({7 + i * 1.8, 5 + 1.6 * std::sin(i * kPi / 6)});
    for (int i = 12; i >= 0; --i) p.push_back({7 + i * 1.8, 18 + 1.6 * std::sin(i * kPi / 6)});
    c.outlined(polygon(p), col);
  };
}

Draw badge(Color col, const std::function<void(Canvas&)>& mark) {
  return [=](Canvas& c) {
    c.outlined(circle(16, 16, 14), col, shade(col, 0.55), 1.2);
    mark(c);
  };
}

Draw checkMark() {
  return badge(rgb(50, 170, 80), [](Canvas& c) {
    c.fill(polyline({{8.5, 16.5}, {14, 22}, {24, 10.5}}, c.atLeast(3.6, 1.8)), kWhite);
  });
}

Draw crossMark() {
  return badge(rgb(225, 55, 55), [](Canvas& c) {
    double w = c.atLeast(3.6, 1.8);
    c.fill(unite({line(10, 10, 22, 22, w), line(22, 10, 10, 22, w)}), kWhite);
  });
}

Draw questionMark() {
  return badge(rgb(50, 120, 220), [](Canvas& c) {
    std::vector<Pt> p = arcPoints(16, 11.5, 5, 4.8, 190, 390, 20);
    p.push_back({16, 18.5});
    p.push_back({16, 20});
    c.fill(polyline(p, c.atLeast(3.2, 1.8)), kWhite);
    c.fill(circle(16, 25, 2), kWhite);
  });
}

Draw warning() {
  return [](Canvas& c) {
    c.outlined(polygon({{16, 2.5}, {30.5, 28.5}, {1.5, 28.5}}), rgb(255, 205, 40), rgb(170, 110, 0), 1.4);
    c.fill(polygon({{14.2, 11}, {17.8, 11}, {16.8, 21}, {15.2, 21}}), kInk);
    c.fill(circle(16, 24.5, 1.8), kInk);
  };
}

Draw bulb() {
  return [](Canvas& c) {
    Color glass = rgb(255, 230, 90);
    c.outlined(unite({circle(16, 12, 10), polygon({{9, 18}, {23, 18}, {20.5, 24}, {11.5, 24}})}), glass,
               rgb(190, 140, 20), 1.1);
    c.outlined(roundRect(11, 23.5, 21, 29, 1.2), kSteel, rgb(90, 90, 100), 0.9);
    if (!c.small()) {
      c.fill(rect(11, 25.5, 21, 26.3), rgb(90, 90, 100));
      c.fill(polyline({{13, 17}, {14.5, 12}, {16, 15}, {17.5, 12}, {19, 17}}, 0.9), rgb(210, 120, 20));
      c.fill(ellipse(11.5, 9, 1.6, 3), kWhite);
    }
  };
}

Draw computer() {
  return [](Canvas& c) {
    c.outlined(rect(11, 23, 21, 26), rgb(150, 155, 165));
    c.outlined(roundRect(6, 26, 26, 29.5, 1), rgb(150, 155, 165));
    c.outlined(roundRect(2, 3, 30, 23.5, 1.5), rgb(60, 65, 80), kInk, 1.0);
    c.fill(rect(4.5, 5.5, 27.5, 20.5), rgb(70, 150, 230));
    if (!c.small()) {
      c.fill(rect(7, 8, 17, 10), kWhite);
      c.fill(rect(7, 12, 22, 13.5), rgb(200, 230, 255));
      c.fill(rect(7, 15.5, 19, 17), rgb(200, 230, 255));
    }
  };
}

Draw briefcase() {
  return [](Canvas& c) {
    Color leather = rgb(140, 80, 40);
    c.fill(minus(roundRect(11, 4, 21, 11, 2.5), roundRect(13, 6.5, 19, 12, 1)), rgb(90, 50, 25));
    c.outlined(roundRect(2, 9, 30, 28, 2.5), leather);
    c.fill(rect(2.2, 16, 29.8, 17.5), shade(leather, 0.65));
    c.outlined(rect(14, 14.5, 18, 19.5), rgb(240, 190, 40), rgb(150, 100, 10), 0.8);
  };
}

Draw gift() {
  return [](Canvas& c) {
    Color box = rgb(60, 130, 220), ribbon = rgb(230, 50, 60);
    c.outlined(rect(4, 14, 28, 29.5), box);
    c.outlined(rect(2.5, 10, 29.5, 15), shade(box, 1.2));
    c.fill(rect(14, 10, 18, 29.5), ribbon);
    c.outlined(unite({rotate(ellipse(11, 7, 5, 2.7), 11, 7, 25), rotate(ellipse(21, 7, 5, 2.7), 21, 7, -25)}), ribbon,
               0.9);
    c.fill(circle(16, 9, 2.2), shade(ribbon, 0.8));
  };
}

Draw meal() {
  return [](Canvas& c) {
    c.outlined(circle(16, 16, 10), kWhite, rgb(130, 140, 160), 1.1);
    c.fill(circle(16, 16, 6.5), rgb(235, 240, 248));
    double w = c.atLeast(2, 1.2);
    Color metal = rgb(110, 115, 130);
    c.fill(unite({line(2.5, 10, 2.5, 30, w), line(1, 3, 1, 10, 0.9), line(2.5, 3, 2.5, 10, 0.9), line(4, 3, 4, 10, 0.9),
                  roundRect(0.6, 8, 4.4, 11.5, 1)}),
           metal);                                                                       // fork
    c.fill(unite({line(29.5, 15, 29.5, 30, w), polygon({{28.5, 3}, {31.5, 3}, {31.5, 17}, {28.5, 17}})}), metal);
    c.fill(polygon({{28.5, 3}, {31.5, 3}, {31.5, 16}}), shade(metal, 1.4));
  };
}

Draw globe() {
  return [](Canvas& c) {
    Color sea = rgb(60, 140, 230), land = rgb(80, 180, 80);
    c.outlined(circle(16, 16, 14), sea, rgb(30, 70, 140), 1.2);
    Shape inner = circle(16, 16, 14);
    c.fill(intersect(inner, unite({ellipse(10, 10, 6, 4.5), ellipse(8, 17, 3.5, 5), ellipse(22, 21, 5, 6.5),
                                   ellipse(23, 8, 3.5, 2.3)})),
           land);
    if (!c.small()) {
      Color grid = rgb(255, 255, 255, 0.5);
      c.fill(intersect(inner, ring(16, 16, 14, 0.7)), grid);
      c.fill(minus(ellipse(16, 16, 6.5, 14), ellipse(16, 16, 5.8, 13.3)), grid);
      c.fill(rect(2, 15.65, 30, 16.35), grid);
    }
  };
}

Draw diamond() {
  return [](Canvas& c) {
    Color gem = rgb(90, 200, 240);
    c.outlined(polygon({{9, 4}, {23, 4}, {30, 12}, {16, 29}, {2, 12}}), gem, rgb(30, 110, 170), 1.2);
    c.fill(polygon({{9, 4}, {23, 4}, {30, 12}, {2, 12}}), shade(gem, 1.4));
    c.fill(polygon({{11, 12}, {21, 12}, {16, 29}}), shade(gem, 0.85));
    c.fill(polygon({{12.5, 4}, {19.5, 4}, {21, 12}, {11, 12}}), shade(gem, 1.7));
  };
}

Draw smile() {
  return [](Canvas& c) {
    c.outlined(circle(16, 16, 14), rgb(255, 210, 50), rgb(190, 130, 10), 1.2);
    c.fill(ellipse(11, 12, 1.8, 2.8), kInk);
    c.fill(ellipse(21, 12, 1.8, 2.8), kInk);
    c.fill(polyline(arcPoints(16, 16, 8, 8, 25, 155, 16), c.atLeast(2, 1.3)), kInk);
  };
}

Draw flower() {
  return [](Canvas& c) {
    c.fill(line(16, 16, 16, 31, c.atLeast(2, 1.2)), rgb(60, 150, 60));
    c.outlined(rotate(ellipse(21.5, 25, 4.5, 2), 21.5, 25, -30), rgb(80, 180, 80));
    std::vector<Shape> petals;
    for (int i = 0; i < 6; ++i) petals.push_back(rotate(ellipse(16, 6.3, 3.6, 5.2), 16, 12, i * 60.0));
    c.outlined(unite(petals), rgb(245, 110, 170));
    c.fill(circle(16, 12, 3.5), rgb(255, 210, 50));
  };
}

// ---------------------------------------------------------------- the others

// The program: a whereabouts board with rows of coloured magnets and a red
// arrow for "out".
void drawProgramIcon(Canvas& c) {
  Color frame = rgb(120, 130, 145);
  c.fill(line(7, 26, 4.5, 31, c.atLeast(1.8, 1.1)), frame);
  c.fill(line(25, 26, 27.5, 31, c.atLeast(1.8, 1.1)), frame);
  c.outlined(roundRect(1.5, 3, 30.5, 27, 1.5), kWhite, frame, 1.6);
  Color dots[3] = {rgb(220, 50, 50), rgb(40, 160, 70), rgb(40, 110, 210)};
  for (int i = 0; i < 3; ++i) {
    double y = 8.5 + i * 6.5;
    c.outlined(circle(6.5, y, 2.3), dots[i], 0.6);
    c.fill(line(11, y, i == 1 ? 17 : 23, y, c.atLeast(1.8, 1.0)), rgb(150, 155, 165));
  }
  c.outlined(polygon({{16, 18.5}, {23, 18.5}, {23, 15}, {30.5, 21}, {23, 27}, {23, 23.5}, {16, 23.5}}),
             rgb(240, 90, 40), rgb(150, 40, 10), 1.0);
  c.outlined(circle(26, 5, 3), rgb(230, 40, 60), 0.9);  // pin head
  if (!c.small()) c.fill(circle(25, 4, 0.9), rgb(255, 170, 170));
}

// All-members message: a speech bubble with three dots.
void drawMessageIcon(Canvas& c) {
  Color bubble = rgb(60, 140, 230);
  c.outlined(unite({roundRect(2, 4, 30, 23, 6), polygon({{8, 21}, {6, 30}, {16, 21}})}), bubble,
             rgb(20, 70, 150), 1.1);
  for (int i = 0; i < 3; ++i) c.fill(circle(9.5 + i * 6.5, 13.5, c.small() ? 2.4 : 2.2), kWhite);
}

// Bulletin board: a cork board with pinned notes.
void drawBulletinIcon(Canvas& c) {
  c.outlined(rect(2, 3, 30, 29), rgb(205, 150, 90), rgb(120, 70, 30), 1.8);
  c.fill(rect(3.5, 4.5, 28.5, 27.5), rgb(205, 150, 90));
  c.outlined(rotate(rect(5, 7, 15, 16), 10, 11.5, -6), rgb(255, 240, 130), rgb(150, 130, 60), 0.7);
  c.outlined(rotate(rect(17, 6, 27, 14), 22, 10, 5), rgb(180, 220, 255), rgb(80, 110, 150), 0.7);
  c.outlined(rotate(rect(10, 17, 22, 26), 16, 21.5, 4), rgb(255, 190, 210), rgb(160, 90, 110), 0.7);
  c.fill(circle(10, 8, 1.6), rgb(220, 40, 40));
  c.fill(circle(22, 7, 1.6), rgb(40, 140, 60));
  c.fill(circle(16, 18.5, 1.6), rgb(40, 90, 210));
  if (!c.small()) {
    c.fill(rotate(rect(7, 11, 13, 12), 10, 11.5, -6), rgb(150, 130, 60));
    c.fill(rotate(rect(19, 9.5, 25, 10.5), 22, 10, 5), rgb(80, 110, 150));
    c.fill(rotate(rect(12, 21, 20, 22), 16, 21.5, 4), rgb(160, 90, 110));
  }
}

// Update time: a small clock.
void drawUpdateClock(Canvas& c) { clockFace(c, 16, 16, 14, rgb(60, 130, 80)); }

std::vector<Draw> memberIcons() {
  const Color blue = rgb(50, 110, 210), red = rgb(215, 50, 50), green = rgb(50, 160, 75),
              orange = rgb(245, 140, 30), purple = rgb(140, 70, 190), pink = rgb(245, 120, 170),
              teal = rgb(30, 165, 165), yellow = rgb(245, 200, 40), navy = rgb(40, 55, 110),
              grey = rgb(120, 125, 135), brown = rgb(150, 90, 50), sky = rgb(100, 180, 240);
  const Color blond = rgb(225, 180, 80), auburn = rgb(150, 70, 40), silver = rgb(180, 180, 185);
  std::vector<Draw> d = {
      // 0..13 people
      person({blue, Hair::Short, kHairBlack}),
      person({red, Hair::Short, kHairDark}),
      person({green, Hair::Short, kHairBlack}),
      person({orange, Hair::Short, blond}),
      person({purple, Hair::Short, silver, Extra::Glasses}),
      person({pink, Hair::Long, kHairDark}),
      person({red, Hair::Long, blond, Extra::Ribbon, rgb(240, 90, 150)}),
      person({teal, Hair::Bob, kHairBlack}),
      person({yellow, Hair::Long, auburn}),
      person({navy, Hair::Short, kHairBlack, Extra::Tie, rgb(220, 50, 50)}),
      person({grey, Hair::Short, kHairDark, Extra::Tie, rgb(50, 110, 210)}),
      person({brown, Hair::None, kHairDark, Extra::Helmet, rgb(250, 200, 30)}),
      person({sky, Hair::None, kHairDark, Extra::Cap, rgb(220, 50, 50)}),
      twoPeople(green, orange),
      // 14..23 vehicles
      car(red),
      car(blue),
      truck(rgb(60, 140, 220), rgb(235, 235, 240)),
      bus(rgb(60, 170, 90)),
      train(),
      plane(),
      bicycle(red),
      ship(),
      car(rgb(250, 200, 30), true),
      bicycle(blue),
      // 24..33 places
      house(rgb(215, 60, 50), rgb(250, 240, 215)),
      house(rgb(50, 100, 190), rgb(245, 245, 240)),
      officeBuilding(),
      factory(),
      hospital(),
      school(),
      shop(),
      tree(),
      mountain(),
      bed(),
      // 34..69 symbols
      star(rgb(255, 205, 30)),
      star(rgb(70, 140, 240)),
      heart(rgb(225, 40, 60)),
      heart(rgb(250, 130, 180)),
      clock(),
      deskPhone(),
      mobilePhone(),
      memo(),
      musicNote(),
      umbrella(rgb(60, 120, 220)),
      coffee(),
      sun(),
      cloud(),
      moon(),
      snowflake(),
      lightning(),
      envelope(),
      calendar(),
      pencil(),
      book(),
      key(),
      bell(),
      flag(rgb(225, 50, 50)),
      checkMark(),
      crossMark(),
      questionMark(),
      warning(),
      bulb(),
      computer(),
      briefcase(),
      gift(),
      meal(),
      globe(),
      diamond(),
      smile(),
      flower(),
  };
  return d;
}

bool writeIcon(const std::string& dir, int number, const Draw& draw) {
  Canvas big(32), small(16);
  draw(big);
  draw(small);
  std::string path = dir + "/icon" + std::to_string(number) + ".ico";
  if (!writeIco(path, {&big, &small})) {
    std::fprintf(stderr, "icongen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icongen <outdir>\n");
    return 2;
  }
  std::string dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);  // an existing folder is fine
  std::vector<Draw> members = memberIcons();
  if (members.size() != 70) {
    std::fprintf(stderr, "icongen: %zu member icons instead of 70\n", members.size());
    return 1;
  }
  if (!writeIcon(dir, 128, drawProgramIcon)) return 1;
  for (size_t i = 0; i < members.size(); ++i)
    if (!writeIcon(dir, 201 + int(i), members[i])) return 1;
  if (!writeIcon(dir, 271, drawMessageIcon) || !writeIcon(dir, 272, drawBulletinIcon) ||
      !writeIcon(dir, 273, drawUpdateClock))
    return 1;
  return 0;
}
