// Member icons 52..69: things of the office and of the day, and marks.
#include <cmath>

#include "pictures.h"

namespace icongen {
namespace {

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

}  // namespace

// Member icons 52..69, in the order of their numbers.
std::vector<Draw> objectIcons() {
  using namespace palette;
  return {
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
}

}  // namespace icongen
