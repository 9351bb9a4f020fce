// Member icons 34..51: stars, hearts, the clock, phones, weather, mail.
#include <cmath>

#include "pictures.h"

namespace icongen {
namespace {

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

}  // namespace

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

// Member icons 34..51, in the order of their numbers.
std::vector<Draw> symbolIcons() {
  using namespace palette;
  return {
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
  };
}

}  // namespace icongen
