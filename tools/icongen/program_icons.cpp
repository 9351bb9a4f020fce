// The program's own icons beside the member icons.
#include "pictures.h"

namespace icongen {

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

}  // namespace icongen
