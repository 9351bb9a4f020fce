// Member icons 24..33: places.
#include <cmath>

#include "pictures.h"

namespace icongen {
namespace {

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

}  // namespace

// Member icons 24..33, in the order of their numbers.
std::vector<Draw> placeIcons() {
  using namespace palette;
  return {
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
  };
}

}  // namespace icongen
