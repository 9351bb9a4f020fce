// Member icons 0..13: people.
#include <cmath>

#include "pictures.h"

namespace icongen {
namespace {

enum class Hair { Short, Long, Bob, None };
enum class Extra { None, Tie, Helmet, Cap, Glasses, Ribbon };

struct Person {
  Color shirt;
  Hair hair;
  Color hairColor;
  Extra extra = Extra::None;
  Color extraColor = kWhite;
};

// Where a bust sits: moved by (dx, dy) and scaled by k about the middle of
// the bottom edge. The head's centre and radius follow.
struct Placement {
  double dx, dy, k;
  double X(double x) const { return 16 + (x - 16) * k + dx; }
  double Y(double y) const { return 32 + (y - 32) * k + dy; }
  double R(double r) const { return r * k; }
  double hx() const { return X(16); }
  double hy() const { return Y(10.5); }
  double hr() const { return R(6.2); }
};

// Shoulders in the shirt colour, with a tie or an open neck.
void drawShoulders(Canvas& c, const Person& p, const Placement& b) {
  if (p.hair == Hair::Long)  // hair falling behind the shoulders
    c.outlined(unite({circle(b.hx(), b.hy(), b.hr() + b.R(1.2)),
                      roundRect(b.X(8.6), b.Y(10), b.X(23.4), b.Y(21.5), b.R(3))}),
               p.hairColor);

  Shape body = unite({roundRect(b.X(4), b.Y(19.5), b.X(28), b.Y(34), b.R(7.5))});
  c.outlined(intersect(body, rect(0, 0, 32, 31.6)), p.shirt);
  // neck opening
  if (p.extra == Extra::Tie) {
    c.fill(polygon({{b.X(12.5), b.Y(19.6)}, {b.X(19.5), b.Y(19.6)}, {b.X(16), b.Y(26)}}), kWhite);
    c.outlined(polygon({{b.X(15), b.Y(21)}, {b.X(17), b.Y(21)}, {b.X(18), b.Y(28)}, {b.X(16), b.Y(30.5)},
                        {b.X(14), b.Y(28)}}),
               p.extraColor, 0.6);
  } else {
    c.fill(intersect(circle(b.X(16), b.Y(18.3), b.R(3.6)), rect(0, b.Y(19.6), 32, 32)), kSkin);
  }
}

// The head with its hair, and eyes and mouth where there is room for them.
void drawHead(Canvas& c, const Person& p, const Placement& b) {
  const double hx = b.hx(), hy = b.hy(), hr = b.hr();
  c.outlined(circle(hx, hy, hr), kSkin, rgb(150, 105, 80), 0.9);
  switch (p.hair) {
    case Hair::Short:
      c.fill(intersect(circle(hx, hy - b.R(0.3), hr + b.R(0.6)),
                       unite({rect(0, 0, 32, hy - b.R(2.2)), rect(0, 0, hx - b.R(4.8), hy + b.R(0.5)),
                              rect(hx + b.R(4.8), 0, 32, hy + b.R(0.5))})),
             p.hairColor);
      break;
    case Hair::Long:
    case Hair::Bob:
      c.fill(intersect(circle(hx, hy - b.R(0.3), hr + b.R(0.8)),
                       unite({rect(0, 0, 32, hy - b.R(1.8)), rect(0, 0, hx - b.R(4.2), hy + b.R(3.5)),
                              rect(hx + b.R(4.2), 0, 32, hy + b.R(3.5))})),
             p.hairColor);
      break;
    case Hair::None:
      break;
  }
  if (!c.small() && b.k > 0.8) {
    c.fill(circle(hx - b.R(2.2), hy + b.R(0.6), b.R(0.85)), kInk);
    c.fill(circle(hx + b.R(2.2), hy + b.R(0.6), b.R(0.85)), kInk);
    c.fill(intersect(ring(hx, hy + b.R(1.8), b.R(2.2), b.R(0.7)), rect(0, hy + b.R(2.8), 32, 32)), rgb(190, 90, 80));
  }
}

// What a person wears on or at the head: helmet, cap, glasses or a ribbon.
void drawHeadwear(Canvas& c, const Person& p, const Placement& b) {
  const double hx = b.hx(), hy = b.hy(), hr = b.hr();
  switch (p.extra) {
    case Extra::Helmet:
      c.outlined(unite({intersect(circle(hx, hy - b.R(0.5), hr + b.R(1.2)), rect(0, 0, 32, hy - b.R(0.8))),
                        roundRect(hx - hr - b.R(2.2), hy - b.R(1.6), hx + hr + b.R(2.2), hy - b.R(0.2), b.R(0.7))}),
                 p.extraColor);
      c.fill(rect(hx - b.R(0.8), hy - hr - b.R(1.2), hx + b.R(0.8), hy - b.R(1.2)), shade(p.extraColor, 0.8));
      break;
    case Extra::Cap:
      c.outlined(unite({intersect(circle(hx, hy - b.R(0.8), hr + b.R(0.6)), rect(0, 0, 32, hy - b.R(1.8))),
                        roundRect(hx - b.R(1), hy - b.R(2.8), hx + hr + b.R(4.5), hy - b.R(1.2), b.R(0.8))}),
                 p.extraColor);
      break;
    case Extra::Glasses:
      if (!c.small()) {
        c.fill(ring(hx - b.R(2.4), hy + b.R(0.6), b.R(1.7), b.R(0.7)), kInk);
        c.fill(ring(hx + b.R(2.4), hy + b.R(0.6), b.R(1.7), b.R(0.7)), kInk);
        c.fill(line(hx - b.R(0.7), hy + b.R(0.4), hx + b.R(0.7), hy + b.R(0.4), b.R(0.6)), kInk);
      } else {
        c.fill(line(hx - b.R(4.4), hy + b.R(0.6), hx + b.R(4.4), hy + b.R(0.6), 2.0), kInk);
      }
      break;
    case Extra::Ribbon:
      c.outlined(unite({polygon({{hx + b.R(2), hy - b.R(6)}, {hx + b.R(6.5), hy - b.R(8.8)},
                                 {hx + b.R(6.5), hy - b.R(3.2)}}),
                        polygon({{hx + b.R(2), hy - b.R(6)}, {hx - b.R(2.5), hy - b.R(8.8)},
                                 {hx - b.R(2.5), hy - b.R(3.2)}}),
                        circle(hx + b.R(2), hy - b.R(6), b.R(1.5))}),
                 p.extraColor, 0.7);
      break;
    default:
      break;
  }
}

// A bust: head and shoulders, the shirt colour tells members apart.
void drawPerson(Canvas& c, const Person& p, double dx = 0, double dy = 0, double k = 1.0) {
  const Placement b{dx, dy, k};
  drawShoulders(c, p, b);
  drawHead(c, p, b);
  drawHeadwear(c, p, b);
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

}  // namespace

// Member icons 0..13, in the order of their numbers.
std::vector<Draw> peopleIcons() {
  using namespace palette;
  return {
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
  };
}

}  // namespace icongen
