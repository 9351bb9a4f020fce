// A square picture of 16 or 32 pixels that shapes are painted on, with
// 8 x 8 sub-samples per pixel for the anti-aliasing.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "shapes.h"

namespace icongen {

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

}  // namespace icongen
