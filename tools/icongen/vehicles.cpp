// Member icons 14..23: vehicles.
#include <cmath>

#include "pictures.h"

namespace icongen {
namespace {

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

}  // namespace

// Member icons 14..23, in the order of their numbers.
std::vector<Draw> vehicleIcons() {
  using namespace palette;
  return {
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
  };
}

}  // namespace icongen
